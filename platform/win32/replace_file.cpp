// Replacing a file's contents on Windows; see platform/replace_file.h. The
// new text goes into a new file beside the old one (".NAME.ombrix-XXXXXXXX"),
// which ReplaceFileA puts in the old one's place with its attributes, its
// security and its other streams; a file of several names, or one in a
// folder that takes no new files, is written in place. A save that fails
// leaves its reason as the last error: ERROR_FILE_READ_ONLY for a read-only
// file, ERROR_BAD_FILE_TYPE for a folder or a device, else the system's own.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/replace_file.h"

namespace {

constexpr int kAttempts = 100;

bool WriteAll(HANDLE file, const char* bytes, size_t length) {
  while (length > 0) {
    DWORD part = length > 0x40000000 ? 0x40000000 : static_cast<DWORD>(length);
    DWORD written = 0;
    if (!WriteFile(file, bytes, part, &written, nullptr) || written == 0) return false;
    bytes += written;
    length -= written;
  }
  return true;
}

bool HasOtherNames(const char* path) {
  HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info;
  bool several = GetFileInformationByHandle(file, &info) && info.nNumberOfLinks > 1;
  CloseHandle(file);
  return several;
}

// Sets the last error; false.
bool Fail(DWORD error) {
  SetLastError(error);
  return false;
}

// Closes the file, keeping the last error of a failure before it.
bool Close(HANDLE file, bool written) {
  DWORD error = GetLastError();
  bool closed = CloseHandle(file);
  return written ? closed : Fail(error);
}

bool WriteInPlace(const char* path, const char* bytes, size_t length) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  return Close(file, WriteAll(file, bytes, length) && SetEndOfFile(file) && FlushFileBuffers(file));
}

// A new file beside path, created for writing; its name goes into temporary.
HANDLE CreateBeside(const std::string& path, std::string* temporary) {
  size_t nameAt = path.find_last_of("\\/") + 1;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".ombrix-%08lX",
                  static_cast<unsigned long>(GetTickCount() + static_cast<DWORD>(attempt)));
    *temporary = path.substr(0, nameAt) + "." + path.substr(nameAt) + suffix;
    HANDLE file = CreateFileA(temporary->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

bool ReplaceFileContents(const char* path, const char* bytes, size_t length) {
  DWORD attributes = GetFileAttributesA(path);
  bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE;
  if (exists && (attributes & kNotAFile) != 0) return Fail(ERROR_BAD_FILE_TYPE);
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return Fail(ERROR_FILE_READ_ONLY);
  if (exists && HasOtherNames(path)) return WriteInPlace(path, bytes, length);

  std::string temporary;
  HANDLE file = CreateBeside(path, &temporary);
  if (file == INVALID_HANDLE_VALUE) {
    return exists && GetLastError() == ERROR_ACCESS_DENIED && WriteInPlace(path, bytes, length);
  }
  bool written = Close(file, WriteAll(file, bytes, length) && FlushFileBuffers(file));
  bool replaced =
      written && (exists ? ReplaceFileA(path, temporary.c_str(), nullptr,
                                        REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                         : MoveFileExA(temporary.c_str(), path, MOVEFILE_WRITE_THROUGH));
  if (replaced) return true;
  DWORD error = GetLastError();
  DeleteFileA(temporary.c_str());
  return Fail(error);
}
