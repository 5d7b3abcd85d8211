// A stand-in for the user's browser in the help tests: appends "opened" and
// the page it was given (its first argument) to the log file named by
// OMBRIX_BROWSER_LOG, stays open until the test sets the event
// "OmbrixStandInBrowser" (or 30 seconds have passed) and then appends
// "closed".
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

void Log(const std::wstring& line) {
  wchar_t log[MAX_PATH];
  if (GetEnvironmentVariableW(L"OMBRIX_BROWSER_LOG", log, MAX_PATH) == 0) return;
  if (FILE* file = _wfopen(log, L"ab")) {
    std::string utf8(line.size() * 3 + 1, '\0');
    int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8.data(),
                                   static_cast<int>(utf8.size()), nullptr, nullptr);
    std::fwrite(utf8.data(), 1, size > 0 ? static_cast<size_t>(size - 1) : 0, file);
    std::fputc('\n', file);
    std::fclose(file);
  }
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  HANDLE closing = CreateEventW(nullptr, TRUE, FALSE, L"OmbrixStandInBrowser");
  Log(L"opened");
  Log(count > 1 ? arguments[1] : L"");
  WaitForSingleObject(closing, 30000);
  Log(L"closed");
  return 0;
}
