// The commands of the main dialog that reach beyond it: saving the report,
// the help viewer and the About box.
#ifndef OMBRIX_APP_COMMANDS_H
#define OMBRIX_APP_COMMANDS_H

// The help file, opened at its contents and told to quit when the main
// dialog goes.
constexpr const char kHelpFile[] = "Ombrix.HLP";

// Writes the text of the report view into a file that the user names.
void SaveReport();

// Opens the help file at its contents.
void ShowHelp();

// Shows the About box, owned by the main dialog.
void ShowAboutBox();

#endif
