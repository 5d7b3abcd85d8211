// Modules: the program's own (whose resources hold the dialog and menu
// templates) and the one library the program loads, RICHED32.DLL, which
// makes the "RichEdit" window class available while it is loaded.
#ifndef OMBRIX_PLATFORM_QT_LIBRARIES_H
#define OMBRIX_PLATFORM_QT_LIBRARIES_H

#include <windows.h>

// The program's module instance, passed to WinMain.
HINSTANCE ProgramModule();

bool IsRichEditLoaded();

#endif
