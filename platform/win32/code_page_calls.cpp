#include "platform/win32/code_page_calls.h"

#include <algorithm>
#include <string>

#include "platform/win32/rich_edit_text.h"
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

// The text of any window in code page 1257: a rich-edit box's as it holds
// it, any other's through the wide-character call.
std::string TextOf(HWND window) {
  if (IsRichEdit(window)) {
    std::wstring text = RichEditText(window);
    return CodePageFromUtf16(text.data(), text.size());
  }
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  size_t count =
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  return CodePageFromUtf16(text.data(), count);
}

}  // namespace

BOOL WINAPI SetDlgItemText1257(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  if (IsRichEdit(item)) return SetRichEditText(item, Wide(lpString).c_str());
  return SetDlgItemTextW(hDlg, nIDDlgItem, Wide(lpString).c_str());
}

UINT WINAPI GetDlgItemText1257(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  if (cchMax <= 0) return 0;
  std::string bytes = TextOf(GetDlgItem(hDlg, nIDDlgItem));
  size_t copied = std::min(bytes.size(), static_cast<size_t>(cchMax - 1));
  bytes.copy(lpString, copied);
  lpString[copied] = '\0';
  return static_cast<UINT>(copied);
}

int WINAPI GetWindowTextLength1257(HWND hWnd) {
  return static_cast<int>(TextOf(hWnd).size());
}

int WINAPI MessageBox1257(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  return MessageBoxW(hWnd, Wide(lpText).c_str(),
                     lpCaption != nullptr ? Wide(lpCaption).c_str() : nullptr, uType);
}
