#include "platform/win32/rich_edit_text.h"

#include <richedit.h>

namespace {

constexpr UINT kUnicode = 1200;

}  // namespace

bool IsRichEdit(HWND window) {
  wchar_t name[16] = L"";
  GetClassNameW(window, name, sizeof name / sizeof name[0]);
  return lstrcmpiW(name, L"RichEdit") == 0;
}

BOOL SetRichEditText(HWND box, const wchar_t* text) {
  SETTEXTEX how = {ST_DEFAULT, kUnicode};
  return SendMessageW(box, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                      reinterpret_cast<LPARAM>(text)) != 0;
}

std::wstring RichEditText(HWND box) {
  // CR LF counted as two, an upper bound of what comes back in either form.
  GETTEXTLENGTHEX measure = {GTL_PRECISE | GTL_NUMCHARS | GTL_USECRLF, kUnicode};
  LRESULT length = SendMessageW(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure), 0);
  if (length <= 0) return {};
  std::wstring stored(static_cast<size_t>(length) + 1, L'\0');
  GETTEXTEX how = {static_cast<DWORD>(stored.size() * sizeof(wchar_t)), GT_DEFAULT, kUnicode,
                   nullptr, nullptr};
  LRESULT count = SendMessageW(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how),
                               reinterpret_cast<LPARAM>(stored.data()));
  std::wstring text;
  text.reserve(static_cast<size_t>(length));
  for (LRESULT i = 0; i < count; ++i) {
    text += stored[i];
    if (stored[i] == L'\r' && (i + 1 == count || stored[i + 1] != L'\n')) text += L'\n';
  }
  return text;
}
