// The four calls through which the program's text enters and leaves its
// windows, in code page 1257 on any Windows.
//
// The program's text is code page 1257, and on Linux the layer's ...A calls
// take it so. The real ...A calls read the system's ANSI code page instead,
// which is 1257 only on a Baltic Windows: on a Western one, "Š" and "š" would
// show as "Ð" and "ð", on a Russian one "õ" as "o". The Windows build
// includes this header ahead of every source of app/ (and of the dialog's
// tests), so that there SetDlgItemTextA, GetDlgItemTextA,
// GetWindowTextLengthA and MessageBoxA convert between code page 1257 and
// Unicode and call the wide-character functions, or for the rich-edit boxes
// the messages that carry Unicode (platform/win32/rich_edit_text.h). The
// program's other ...A calls pass ASCII texts or none, or are rerouted by
// the headers beside this one; the texts of its templates and menu are
// Unicode already, as the resource compiler stores them.
#ifndef OMBRIX_PLATFORM_WIN32_CODE_PAGE_CALLS_H
#define OMBRIX_PLATFORM_WIN32_CODE_PAGE_CALLS_H

#include <windows.h>

// The item's text set from the code page 1257 text.
BOOL WINAPI SetDlgItemText1257(HWND hDlg, int nIDDlgItem, LPCSTR lpString);

// The item's text in code page 1257, a character that the code page lacks
// becoming "?", line ends CR LF; at most cchMax - 1 characters and a NUL.
// Returns the number of characters copied.
UINT WINAPI GetDlgItemText1257(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax);

// The length in bytes of the window's text as GetDlgItemText1257 gives it.
int WINAPI GetWindowTextLength1257(HWND hWnd);

// MessageBoxW of the code page 1257 text and caption.
int WINAPI MessageBox1257(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);

#define SetDlgItemTextA SetDlgItemText1257
#define GetDlgItemTextA GetDlgItemText1257
#define GetWindowTextLengthA GetWindowTextLength1257
#define MessageBoxA MessageBox1257

#endif
