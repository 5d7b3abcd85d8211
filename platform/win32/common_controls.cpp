// The main dialog's status bar is of the common-controls class
// "msctls_statusbar32", which Windows registers when COMCTL32.DLL is loaded:
// this call makes the program import it, and runs before WinMain.
#include <windows.h>

#include <commctrl.h>

namespace {

[[maybe_unused]] const bool kCommonControlsLoaded = (InitCommonControls(), true);

}  // namespace
