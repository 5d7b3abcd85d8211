// The thread's last error, as GetLastError gives it, set from the errno of a
// failed system call. Codes that Win32 has for the reason (ERROR_ACCESS_DENIED
// for EACCES, ERROR_DISK_FULL for ENOSPC, ...) are used as such; any other
// errno travels in the codes that Win32 leaves to applications (bit 29 set),
// so that FormatMessageW still gives the system's own message for it.
#ifndef OMBRIX_PLATFORM_QT_LAST_ERROR_H
#define OMBRIX_PLATFORM_QT_LAST_ERROR_H

#include <windows.h>

// The last error for errno value error; 0 for 0.
DWORD ErrorFromErrno(int error);

// The errno value that code stands for, 0 for none.
int ErrnoFromError(DWORD code);

#endif
