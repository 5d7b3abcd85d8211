// Files: creating one for writing, writing, flushing and closing it, unique
// temporary names, and replacing and deleting files by name.
//
// Names are code page 1257 text, as the program holds them, and are converted
// to the file system's encoding. Only what the program asks for is there:
// CreateFileA opens for writing with CREATE_ALWAYS (a new file, or an
// existing one emptied) and fails for any other request. There are no share
// modes: others may always read. The functions set no last-error code.
#include <fcntl.h>
#include <unistd.h>

#include <QDateTime>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unordered_set>

#include <windows.h>

#include "platform/qt/text_conversion.h"

struct FileHandle {
  int descriptor;
};

namespace {

constexpr mode_t kEveryoneMayReadAndWrite = 0666;  // narrowed by the umask

std::unordered_set<const void*>& OpenFiles() {
  static std::unordered_set<const void*> files;
  return files;
}

FileHandle* LiveFile(HANDLE handle) {
  return OpenFiles().count(handle) != 0 ? static_cast<FileHandle*>(handle) : nullptr;
}

QByteArray LocalName(LPCSTR name) {
  return QFile::encodeName(FromCodePage(name));
}

bool SyncFolderOf(const QByteArray& path) {
  int slash = path.lastIndexOf('/');
  QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
  int descriptor = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return false;
  bool synced = fsync(descriptor) == 0;
  close(descriptor);
  return synced;
}

}  // namespace

HANDLE WINAPI CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD, LPSECURITY_ATTRIBUTES,
                          DWORD dwCreationDisposition, DWORD, HANDLE) {
  if (lpFileName == nullptr || dwDesiredAccess != GENERIC_WRITE ||
      dwCreationDisposition != CREATE_ALWAYS) {
    return INVALID_HANDLE_VALUE;
  }
  int descriptor = open(LocalName(lpFileName).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                        kEveryoneMayReadAndWrite);
  if (descriptor < 0) return INVALID_HANDLE_VALUE;
  FileHandle* file = new FileHandle{descriptor};
  OpenFiles().insert(file);
  return file;
}

// Writes all bytes or fails; the count says how many reached the file.
BOOL WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite,
                      LPDWORD lpNumberOfBytesWritten, LPOVERLAPPED lpOverlapped) {
  if (lpNumberOfBytesWritten != nullptr) *lpNumberOfBytesWritten = 0;
  FileHandle* file = LiveFile(hFile);
  if (file == nullptr || lpOverlapped != nullptr ||
      (lpBuffer == nullptr && nNumberOfBytesToWrite != 0)) {
    return FALSE;
  }
  const char* bytes = static_cast<const char*>(lpBuffer);
  DWORD written = 0;
  while (written < nNumberOfBytesToWrite) {
    ssize_t count = write(file->descriptor, bytes + written, nNumberOfBytesToWrite - written);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    written += static_cast<DWORD>(count);
  }
  if (lpNumberOfBytesWritten != nullptr) *lpNumberOfBytesWritten = written;
  return written == nNumberOfBytesToWrite;
}

BOOL WINAPI FlushFileBuffers(HANDLE hFile) {
  FileHandle* file = LiveFile(hFile);
  return file != nullptr && fsync(file->descriptor) == 0;
}

BOOL WINAPI CloseHandle(HANDLE hObject) {
  FileHandle* file = LiveFile(hObject);
  if (file == nullptr) return FALSE;
  OpenFiles().erase(file);
  bool closed = close(file->descriptor) == 0;
  delete file;
  return closed;
}

// As on Win32: "<folder>\<first three characters of the prefix><hex>.TMP",
// with "/" as the separator; an empty folder is the working folder. With
// uUnique 0 the number is chosen and the file created empty, so that the name
// stays taken; otherwise the name is only formed. The name must fit MAX_PATH
// bytes.
UINT WINAPI GetTempFileNameA(LPCSTR lpPathName, LPCSTR lpPrefixString, UINT uUnique,
                             LPSTR lpTempFileName) {
  constexpr size_t kNameRoom = 14;  // separator, prefix, four digits, ".TMP", NUL
  constexpr UINT kNumbers = 0x10000;
  if (lpPathName == nullptr || lpTempFileName == nullptr) return 0;
  size_t folderLength = std::strlen(lpPathName);
  if (folderLength + kNameRoom > MAX_PATH) return 0;
  const char* separator = folderLength == 0 || lpPathName[folderLength - 1] == '/' ? "" : "/";
  const char* prefix = lpPrefixString ? lpPrefixString : "";
  auto form = [&](UINT number) {
    std::snprintf(lpTempFileName, MAX_PATH, "%s%s%.3s%X.TMP", lpPathName, separator, prefix,
                  number & 0xFFFF);
  };
  if (uUnique != 0) {
    form(uUnique);
    return uUnique;
  }
  UINT start = static_cast<UINT>(QDateTime::currentMSecsSinceEpoch());
  for (UINT i = 0; i < kNumbers; ++i) {
    UINT number = (start + i) & 0xFFFF;
    if (number == 0) continue;
    form(number);
    int descriptor = open(LocalName(lpTempFileName).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kEveryoneMayReadAndWrite);
    if (descriptor >= 0) {
      close(descriptor);
      return number;
    }
    if (errno != EEXIST) break;
  }
  lpTempFileName[0] = '\0';
  return 0;
}

// A rename: both names must lie on one file system. With
// MOVEFILE_WRITE_THROUGH the new name is on the disk when the call returns.
BOOL WINAPI MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags) {
  if (lpExistingFileName == nullptr || lpNewFileName == nullptr) return FALSE;
  QByteArray from = LocalName(lpExistingFileName);
  QByteArray to = LocalName(lpNewFileName);
  if (!(dwFlags & MOVEFILE_REPLACE_EXISTING) && access(to.constData(), F_OK) == 0) return FALSE;
  if (rename(from.constData(), to.constData()) != 0) return FALSE;
  return !(dwFlags & MOVEFILE_WRITE_THROUGH) || SyncFolderOf(to);
}

BOOL WINAPI DeleteFileA(LPCSTR lpFileName) {
  return lpFileName != nullptr && unlink(LocalName(lpFileName).constData()) == 0;
}
