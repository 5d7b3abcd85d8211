// The save dialog on Windows: GetSaveFileNameA of the program shows the
// system's wide-character dialog, so that the program's texts in it and the
// names of files and folders outside the system's ANSI code page (a
// Cyrillic "Документы" on a Western Windows) come through whole.
//
// As on Linux, the file name is UTF-8 on the program's side: the name that
// the program's buffer starts with and the one the dialog gives back. The
// filter list, the title and the default extension are the program's text,
// code page 1257. The dialog gets the program's flags without
// OFN_FILEMUSTEXIST, which Windows documents for open dialogs only, so that
// a save dialog accepts the name of a new file on every Windows. The
// Windows build includes this header ahead of every source of app/, so that
// GetSaveFileNameA there is GetSaveFileNameUtf8.
#ifndef OMBRIX_PLATFORM_WIN32_SAVE_DIALOG_H
#define OMBRIX_PLATFORM_WIN32_SAVE_DIALOG_H

#include <windows.h>

#include <commdlg.h>

// GetSaveFileNameW of the request, which names no hook, template or custom
// filter. Nonzero when a name was chosen: lpstrFile then holds it in UTF-8,
// nFileOffset and nFileExtension counted in its bytes, and nFilterIndex the
// filter chosen. 0 when the user cancelled, the dialog failed, or the name
// in UTF-8 does not fit into nMaxFile bytes.
BOOL WINAPI GetSaveFileNameUtf8(LPOPENFILENAMEA request);

#define GetSaveFileNameA GetSaveFileNameUtf8

#endif
