// The program's help on Windows, which has had no WinHelp viewer since
// Windows 10: WinHelpA of the program opens its help page, the same HTML as
// on Linux, in the user's browser, and returns at once.
//
// The page is "Ombrix.html" (the help file's name with ".html" for its
// extension) beside the program, where the zip puts it; when it is not
// there, the copy that the program carries as a resource is written into
// the user's temporary folder and opened from there, so that Ombrix.exe
// alone suffices. The Windows build includes this header ahead of every
// source of app/, so that WinHelpA there is OpenHelpPage.
#ifndef OMBRIX_PLATFORM_WIN32_HELP_PAGE_H
#define OMBRIX_PLATFORM_WIN32_HELP_PAGE_H

#include <windows.h>

// The resource (of type RT_HTML) that holds the help page.
#define OMBRIX_HELP_PAGE_RESOURCE L"OMBRIX_HELP"

// HELP_QUIT closes nothing: the browser is the user's, and may show other
// pages. Any other command opens the help page of lpszHelp with the
// program that the user's system opens web pages with, owned by hWndMain,
// and returns without waiting for it. Returns whether the page was handed
// to that program.
BOOL WINAPI OpenHelpPage(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);

#define WinHelpA OpenHelpPage

#endif
