// The main dialog: the date input, the report view, the buttons, the menu
// and the right-click popup, laid out anew whenever the dialog is resized.
#ifndef OMBRIX_APP_MAIN_DIALOG_H
#define OMBRIX_APP_MAIN_DIALOG_H

#include <windows.h>

// The dialog procedure of template IDD_MAIN_DIALOG. Returns 1 for a message
// it handled and 0 for the others.
INT_PTR CALLBACK MainDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

#endif
