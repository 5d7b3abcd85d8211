// The program's entry: makes the rich-edit window class available and runs
// the main dialog until it is closed. The command line and the show state
// are not used. The exit code is 1 after every close, also when the dialog
// could not be created: that is what the program has always returned, and
// whatever checks it may rely on it, so it means neither error nor success.
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
