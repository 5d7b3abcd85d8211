#include "platform/win32/code_page_calls.h"

#include <algorithm>
#include <string>

#include "text/code_page.h"

namespace {

// The code page 1257 text in Unicode, one character per byte; a null text is
// empty.
std::wstring Wide(const char* text) {
  std::wstring wide;
  for (const char* at = text; at != nullptr && *at != '\0'; ++at) {
    wide += static_cast<wchar_t>(CharacterOfByte(static_cast<unsigned char>(*at)));
  }
  return wide;
}

}  // namespace

BOOL WINAPI SetDlgItemText1257(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
  return SetDlgItemTextW(hDlg, nIDDlgItem, Wide(lpString).c_str());
}

UINT WINAPI GetDlgItemText1257(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  if (cchMax <= 0) return 0;
  int available = GetWindowTextLengthW(GetDlgItem(hDlg, nIDDlgItem)) + 1;
  std::wstring wide(static_cast<size_t>(available < cchMax ? available : cchMax), L'\0');
  size_t count = GetDlgItemTextW(hDlg, nIDDlgItem, wide.data(), static_cast<int>(wide.size()));
  std::string bytes = CodePageFromUtf16(wide.data(), count);
  size_t copied = std::min(bytes.size(), static_cast<size_t>(cchMax - 1));
  bytes.copy(lpString, copied);
  lpString[copied] = '\0';
  return static_cast<UINT>(copied);
}

int WINAPI MessageBox1257(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  return MessageBoxW(hWnd, Wide(lpText).c_str(),
                     lpCaption != nullptr ? Wide(lpCaption).c_str() : nullptr, uType);
}
