#include "platform/win32/code_page_calls.h"

#include <string>

namespace {

constexpr UINT kCodePage = 1257;

// The code page 1257 text in Unicode, one character per byte; a null text is
// empty.
std::wstring Wide(const char* text) {
  int length = text != nullptr ? lstrlenA(text) : 0;
  std::wstring wide(static_cast<size_t>(length), L'\0');
  if (length > 0) MultiByteToWideChar(kCodePage, 0, text, length, wide.data(), length);
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
  int length = static_cast<int>(
      GetDlgItemTextW(hDlg, nIDDlgItem, wide.data(), static_cast<int>(wide.size())));
  int count = length > 0 ? WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                               lpString, cchMax - 1, "?", nullptr)
                         : 0;
  lpString[count] = '\0';
  return static_cast<UINT>(count);
}

int WINAPI MessageBox1257(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  return MessageBoxW(hWnd, Wide(lpText).c_str(),
                     lpCaption != nullptr ? Wide(lpCaption).c_str() : nullptr, uType);
}
