// The box that says a save failed: which file, why, and what to do.
#ifndef OMBRIX_APP_SAVE_ERROR_H
#define OMBRIX_APP_SAVE_ERROR_H

#include <windows.h>

// Shows the error box for the file at path (a name as the system's file calls
// take it) that could not be saved for the reason error, a GetLastError code:
// one sentence for a read-only file, one for missing permission, one for a
// name that is not a regular file, one for a full disk, one for a name too
// long, and the system's own message for any other reason.
void ShowSaveError(const char* path, DWORD error);

#endif
