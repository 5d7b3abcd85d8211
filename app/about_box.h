// The About box: the program's name, version, description and makers,
// opened from the menu of the main dialog.
#ifndef OMBRIX_APP_ABOUT_BOX_H
#define OMBRIX_APP_ABOUT_BOX_H

#include <windows.h>

// Shows the About box, owned by the main dialog, until it is closed.
void ShowAboutBox();

// The dialog procedure of the About box, template IDD_ABOUT_BOX.
INT_PTR CALLBACK AboutDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

#endif
