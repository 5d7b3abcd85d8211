#include "platform/qt/last_error.h"

#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr DWORD kApplicationBit = 0x20000000;

struct Pair {
  int error;
  DWORD code;
};

// The first row of a code is the errno it gives back.
constexpr Pair kPairs[] = {
    {ENOENT, ERROR_FILE_NOT_FOUND},    {ENOTDIR, ERROR_PATH_NOT_FOUND},
    {EACCES, ERROR_ACCESS_DENIED},     {EPERM, ERROR_ACCESS_DENIED},
    {ENOMEM, ERROR_NOT_ENOUGH_MEMORY}, {EROFS, ERROR_WRITE_PROTECT},
    {EAGAIN, ERROR_LOCK_VIOLATION},    {ENOSPC, ERROR_DISK_FULL},
    {EDQUOT, ERROR_DISK_FULL},         {ENAMETOOLONG, ERROR_FILENAME_EXCED_RANGE},
    {EFBIG, ERROR_FILE_TOO_LARGE},
};

thread_local DWORD lastError = 0;

}  // namespace

DWORD ErrorFromErrno(int error) {
  if (error == 0) return 0;
  for (const Pair& pair : kPairs) {
    if (pair.error == error) return pair.code;
  }
  return kApplicationBit | static_cast<DWORD>(error);
}

int ErrnoFromError(DWORD code) {
  if (code & kApplicationBit) return static_cast<int>(code & ~kApplicationBit);
  for (const Pair& pair : kPairs) {
    if (pair.code == code) return pair.error;
  }
  return 0;
}

DWORD WINAPI GetLastError() {
  return lastError;
}

void WINAPI SetLastError(DWORD dwErrCode) {
  lastError = dwErrCode;
}

// The C library's message in the user's language, ended by CR LF as
// Windows ends its messages.
DWORD WINAPI FormatMessageW(DWORD dwFlags, const void*, DWORD dwMessageId, DWORD, LPWSTR lpBuffer,
                            DWORD nSize, va_list*) {
  constexpr DWORD kSupported = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  int error = ErrnoFromError(dwMessageId);
  if (dwFlags != kSupported || error == 0 || lpBuffer == nullptr || nSize == 0) {
    SetLastError(ErrorFromErrno(EINVAL));
    return 0;
  }
  char text[256];
  QString message = QString::fromLocal8Bit(strerror_r(error, text, sizeof text)) + "\r\n";
  if (static_cast<DWORD>(message.size()) >= nSize) {
    SetLastError(ErrorFromErrno(ERANGE));
    return 0;
  }
  std::copy_n(message.utf16(), message.size() + 1, lpBuffer);
  return static_cast<DWORD>(message.size());
}
