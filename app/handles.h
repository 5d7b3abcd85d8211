// The process-wide handles of the program: its module, stored by the entry
// first thing, and its main dialog, stored by the dialog's initialisation.
// Both are null before that.
#ifndef OMBRIX_APP_HANDLES_H
#define OMBRIX_APP_HANDLES_H

#include <windows.h>

extern HINSTANCE AppInstance;
extern HWND MainDialog;

#endif
