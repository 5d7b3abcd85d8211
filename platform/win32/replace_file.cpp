// Replacing a file's contents on Windows; see platform/replace_file.h. The
// new text goes into a new file beside the old one (".NAME.ombrix-XXXXXXXX"),
// which ReplaceFileW puts in the old one's place with its attributes, its
// security and its other streams; a file of several names, or one in a
// folder that takes no new files, is written in place. The path is UTF-8,
// as the save dialog gives it (platform/win32/save_dialog.h), and reaches
// the system in the wide-character calls, so that any name can be saved
// to. A save that fails leaves its reason as the last error:
// ERROR_FILE_READ_ONLY for a read-only file, ERROR_BAD_FILE_TYPE for a
// folder or a device, else the system's own.
#include <windows.h>

#include <cwchar>
#include <string>

#include "platform/replace_file.h"
#include "platform/win32/wide_text.h"

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

bool HasOtherNames(const wchar_t* path) {
  HANDLE file = CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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

bool WriteInPlace(const wchar_t* path, const char* bytes, size_t length) {
  HANDLE file = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  return Close(file, WriteAll(file, bytes, length) && SetEndOfFile(file) && FlushFileBuffers(file));
}

// A new file beside path, created for writing; its name goes into temporary.
HANDLE CreateBeside(const std::wstring& path, std::wstring* temporary) {
  size_t nameAt = path.find_last_of(L"\\/") + 1;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    wchar_t suffix[16];
    std::swprintf(suffix, sizeof suffix / sizeof suffix[0], L".ombrix-%08lX",
                  static_cast<unsigned long>(GetTickCount() + static_cast<DWORD>(attempt)));
    *temporary = path.substr(0, nameAt) + L"." + path.substr(nameAt) + suffix;
    HANDLE file = CreateFileW(temporary->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

bool ReplaceFileContents(const char* pathUtf8, const char* bytes, size_t length) {
  std::wstring widePath = WideFromUtf8(pathUtf8);
  const wchar_t* path = widePath.c_str();
  DWORD attributes = GetFileAttributesW(path);
  bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE;
  if (exists && (attributes & kNotAFile) != 0) return Fail(ERROR_BAD_FILE_TYPE);
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return Fail(ERROR_FILE_READ_ONLY);
  if (exists && HasOtherNames(path)) return WriteInPlace(path, bytes, length);

  std::wstring temporary;
  HANDLE file = CreateBeside(widePath, &temporary);
  if (file == INVALID_HANDLE_VALUE) {
    return exists && GetLastError() == ERROR_ACCESS_DENIED && WriteInPlace(path, bytes, length);
  }
  bool written = Close(file, WriteAll(file, bytes, length) && FlushFileBuffers(file));
  bool replaced =
      written && (exists ? ReplaceFileW(path, temporary.c_str(), nullptr,
                                        REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                         : MoveFileExW(temporary.c_str(), path, MOVEFILE_WRITE_THROUGH));
  if (replaced) return true;
  DWORD error = GetLastError();
  DeleteFileW(temporary.c_str());
  return Fail(error);
}
