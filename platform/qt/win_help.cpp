// The help viewer. There is no WinHelp viewer on this platform yet: every
// request succeeds and shows nothing.
#include <windows.h>

BOOL WINAPI WinHelpA(HWND, LPCSTR, UINT, ULONG_PTR) {
  return TRUE;
}
