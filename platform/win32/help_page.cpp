#include "platform/win32/help_page.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>

namespace {

std::wstring FolderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// The page's name: the help file's name (ASCII, "Ombrix.HLP") without its
// folder and with ".html" for its extension.
std::wstring PageName(const char* helpFile) {
  std::wstring name;
  for (const char* at = helpFile; *at != '\0'; ++at) {
    name = *at == '\\' || *at == '/' ? L"" : name + static_cast<wchar_t>(*at);
  }
  return name.substr(0, name.rfind(L'.')) + L".html";
}

bool Exists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The page carried in the program, written to path; false when it is not
// there or cannot be written.
bool WriteCarriedPage(const std::wstring& path) {
  HRSRC found = FindResourceW(nullptr, OMBRIX_HELP_PAGE_RESOURCE, MAKEINTRESOURCEW(23));
  HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return false;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD size = SizeofResource(nullptr, found);
  DWORD written = 0;
  bool whole = WriteFile(file, bytes, size, &written, nullptr) && written == size;
  return CloseHandle(file) && whole;
}

// The help page beside the program, or else the carried one in the
// temporary folder; empty when there is neither.
std::wstring HelpPage(const char* helpFile) {
  std::wstring program(MAX_PATH, L'\0');
  DWORD length;
  while ((length = GetModuleFileNameW(nullptr, program.data(),
                                      static_cast<DWORD>(program.size()))) == program.size()) {
    program.resize(program.size() * 2);
  }
  program.resize(length);
  std::wstring beside = FolderOf(program) + PageName(helpFile);
  if (Exists(beside)) return beside;
  wchar_t temporary[MAX_PATH + 1];
  DWORD folder = GetTempPathW(MAX_PATH + 1, temporary);
  if (folder == 0 || folder > MAX_PATH) return {};
  std::wstring copy = temporary + PageName(helpFile);
  return WriteCarriedPage(copy) ? copy : std::wstring();
}

}  // namespace

BOOL WINAPI OpenHelpPage(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR) {
  if (uCommand == HELP_QUIT) return TRUE;
  std::wstring page = lpszHelp != nullptr ? HelpPage(lpszHelp) : std::wstring();
  if (page.empty()) return FALSE;
  // The shell may hand the page on through COM, which wants the thread
  // initialised for it.
  HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  HINSTANCE opened =
      ShellExecuteW(hWndMain, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  if (SUCCEEDED(com)) CoUninitialize();
  return reinterpret_cast<INT_PTR>(opened) > 32;
}
