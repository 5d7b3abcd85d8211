// The text of a rich-edit box of "RICHED32.DLL" in Unicode.
//
// The box's window class has no Unicode form, so its WM_SETTEXT and
// WM_GETTEXT carry the system's ANSI code page, which has the Estonian
// letters only on a Western or a Baltic Windows: on a Russian one every
// "õ" and "š" would lose its mark on the way in. The control keeps its text
// in Unicode all the same, and its EM_SETTEXTEX and EM_GETTEXTEX name the
// code page of the text they carry: 1200, Unicode, in these calls, so the
// box holds the letters on any Windows and the program's one converter
// (text/code_page.h) does every conversion.
#ifndef OMBRIX_PLATFORM_WIN32_RICH_EDIT_TEXT_H
#define OMBRIX_PLATFORM_WIN32_RICH_EDIT_TEXT_H

#include <windows.h>

#include <string>

// Whether window is a rich-edit box (window class "RichEdit").
bool IsRichEdit(HWND window);

// Replaces the box's whole text, and its undo history, with text.
BOOL SetRichEditText(HWND box, const wchar_t* text);

// The box's whole text with CR LF line ends, however the control ends its
// paragraphs inside (CR alone, or CR LF as in version 1.0).
std::wstring RichEditText(HWND box);

#endif
