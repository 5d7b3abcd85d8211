#include "platform/win32/code_page_calls.h"

namespace {

constexpr UINT kCodePage = 1257;

// As large as the program's text buffers; one text of each kind crosses at a
// time, on the one thread.
constexpr int kWideSize = 65536;
wchar_t WideText[kWideSize];
wchar_t WideCaption[kWideSize];

// wide := text, converted from code page 1257 (one character per byte) and
// cut to kWideSize - 1 characters. A null text is empty.
const wchar_t* Wide(const char* text, wchar_t* wide) {
  int length = 0;
  while (text != nullptr && length < kWideSize - 1 && text[length] != '\0') ++length;
  int count = length > 0 ? MultiByteToWideChar(kCodePage, 0, text, length, wide, kWideSize - 1) : 0;
  wide[count] = L'\0';
  return wide;
}

}  // namespace

BOOL WINAPI SetDlgItemText1257(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
  return SetDlgItemTextW(hDlg, nIDDlgItem, Wide(lpString, WideText));
}

UINT WINAPI GetDlgItemText1257(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  if (cchMax <= 0) return 0;
  int room = cchMax < kWideSize ? cchMax : kWideSize;
  int length = static_cast<int>(GetDlgItemTextW(hDlg, nIDDlgItem, WideText, room));
  int count = length > 0 ? WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, WideText, length,
                                               lpString, cchMax - 1, "?", nullptr)
                         : 0;
  lpString[count] = '\0';
  return static_cast<UINT>(count);
}

int WINAPI MessageBox1257(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  return MessageBoxW(hWnd, Wide(lpText, WideText),
                     lpCaption != nullptr ? Wide(lpCaption, WideCaption) : nullptr, uType);
}
