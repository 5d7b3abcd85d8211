#include "cli/windows_console.h"

#include <windows.h>

#include <io.h>
#include <shellapi.h>

#include <algorithm>

namespace {

std::string Utf8(const wchar_t* text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size > 0 ? size : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
  utf8.resize(utf8.size() - 1);
  return utf8;
}

}  // namespace

std::vector<std::string> Utf8Arguments() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> utf8;
  for (int i = 0; arguments != nullptr && i < count; ++i) utf8.push_back(Utf8(arguments[i]));
  LocalFree(arguments);
  return utf8;
}

bool WriteToConsole(FILE* stream, const std::string& utf8, bool* failed) {
  HANDLE console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD mode;
  if (console == INVALID_HANDLE_VALUE || !GetConsoleMode(console, &mode)) return false;
  int count =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(count), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), count);
  std::fflush(stream);
  for (size_t at = 0; at < text.size();) {
    DWORD written = 0;
    DWORD part = static_cast<DWORD>(std::min<size_t>(text.size() - at, 16384));
    if (!WriteConsoleW(console, text.data() + at, part, &written, nullptr) || written == 0) {
      *failed = true;
      return true;
    }
    at += written;
  }
  return true;
}
