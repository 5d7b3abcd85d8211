// Win32 values that only the layer needs: what it puts into the messages it
// sends, beyond what the program reads.
#ifndef OMBRIX_PLATFORM_QT_WIN32_PRIVATE_H
#define OMBRIX_PLATFORM_QT_WIN32_PRIVATE_H

#include <windows.h>

#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)((WORD)(l) | ((DWORD)(WORD)(h)) << 16))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)((WORD)(l) | ((DWORD)(WORD)(h)) << 16))

// WM_SIZE kinds.
#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2

// Mouse key state of mouse messages.
#define MK_LBUTTON 0x0001
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008
#define MK_MBUTTON 0x0010

#define BN_CLICKED 0

#endif
