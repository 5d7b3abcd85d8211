// The program's entry: makes the rich-edit window class available, runs the
// main dialog until it is closed, and always ends the process with exit code
// 1. The command line and the show state are not used.
#include <windows.h>

#include "app/handles.h"
#include "app/main_dialog.h"
#include "app/resource.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
  AppInstance = hInstance;
  HMODULE richEdit = LoadLibraryA("RICHED32.DLL");
  DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr, MainDialogProc, 0);
  FreeLibrary(richEdit);
  return 1;
}
