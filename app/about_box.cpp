#include "app/about_box.h"

#include <windows.h>

#include "app/handles.h"
#include "app/resource.h"

// OK, Enter (the default button) and Escape close the box; it has no close
// box. The platform puts the focus on OK.
INT_PTR CALLBACK AboutDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(hDlg, 1);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

void ShowAboutBox() {
  DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_ABOUT_BOX), MainDialog, AboutDialogProc, 0);
}
