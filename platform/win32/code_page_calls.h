// The three calls through which the program's text enters and leaves its
// windows, in code page 1257 on any Windows.
//
// The program's text is code page 1257, and on Linux the layer's ...A calls
// take it so. The real ...A calls read the system's ANSI code page instead,
// which is 1257 only on a Baltic Windows: on a Western one, "Š" and "š" would
// show as "Ð" and "ð". The Windows build includes this header ahead of every
// source of app/ (and of the dialog's tests), so that there SetDlgItemTextA,
// GetDlgItemTextA and MessageBoxA convert between code page 1257 and Unicode
// and call the wide-character functions. The program's other ...A calls pass
// ASCII texts or none; the texts of its templates and menu are Unicode
// already, as the resource compiler stores them.
//
// A rich-edit control of "RICHED32.DLL" keeps its text in the ANSI code page
// (its window class has no Unicode form), so the report view still shows
// only the letters that code page has: all Estonian letters on a Western or
// a Baltic Windows.
#ifndef OMBRIX_PLATFORM_WIN32_CODE_PAGE_CALLS_H
#define OMBRIX_PLATFORM_WIN32_CODE_PAGE_CALLS_H

#include <windows.h>

// SetDlgItemTextW of the code page 1257 text.
BOOL WINAPI SetDlgItemText1257(HWND hDlg, int nIDDlgItem, LPCSTR lpString);

// GetDlgItemTextW converted to code page 1257, a character that the code
// page lacks becoming "?"; at most cchMax - 1 characters and a NUL. Returns
// the number of characters copied.
UINT WINAPI GetDlgItemText1257(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax);

// MessageBoxW of the code page 1257 text and caption.
int WINAPI MessageBox1257(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);

#define SetDlgItemTextA SetDlgItemText1257
#define GetDlgItemTextA GetDlgItemText1257
#define MessageBoxA MessageBox1257

#endif
