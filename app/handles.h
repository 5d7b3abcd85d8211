// The process-wide handles of the program: its module, stored by the entry
// first thing, and its main dialog, stored by the dialog's initialisation.
// Both are null before that.
//
// The window code of app/ calls the Win32 API as it is. On Windows, three of
// its calls are rerouted so that its code page 1257 text shows right on any
// Windows: SetDlgItemTextA, GetDlgItemTextA and MessageBoxA (see
// platform/win32/code_page_calls.h, included ahead of every source there).
#ifndef OMBRIX_APP_HANDLES_H
#define OMBRIX_APP_HANDLES_H

#include <windows.h>

extern HINSTANCE AppInstance;
extern HWND MainDialog;

#endif
