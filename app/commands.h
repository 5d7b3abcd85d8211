// The commands of the main dialog that reach beyond it: saving the report,
// the help viewer and the About box.
#ifndef OMBRIX_APP_COMMANDS_H
#define OMBRIX_APP_COMMANDS_H

#include <windows.h>

// The help file, opened at its contents and told to quit when the main
// dialog goes.
constexpr const char kHelpFile[] = "Ombrix.HLP";

// Writes the whole text of the report view into a file that the user names,
// in code page 1257 with CR LF line ends, nothing before or after it. An
// existing file is replaced only once the new one is completely written, so
// a failed write leaves it as it was; a file that cannot be written is
// reported in a message box. Cancelling writes nothing.
void SaveReport();

// Opens the help file at its contents.
void ShowHelp();

// Shows the About box, owned by the main dialog, until it is closed.
void ShowAboutBox();

// The dialog procedure of the About box, template IDD_ABOUT_BOX.
INT_PTR CALLBACK AboutDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

#endif
