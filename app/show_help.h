// The help command of the main dialog: the help viewer and its file.
#ifndef OMBRIX_APP_SHOW_HELP_H
#define OMBRIX_APP_SHOW_HELP_H

// The help file, opened at its contents and told to quit when the main
// dialog goes. app/app.cmake reads its name from this line for the copy in
// the build folder and the installed file.
constexpr const char kHelpFile[] = "Ombrix.HLP";

// Opens the help file at its contents.
void ShowHelp();

#endif
