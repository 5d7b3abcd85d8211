#include "platform/win32/save_dialog.h"

#include <algorithm>
#include <string>

#include "platform/win32/wide_text.h"
#include "text/code_page.h"

namespace {

// A code page 1257 text of count bytes in Unicode.
std::wstring Wide(const char* text, size_t count) {
  std::wstring wide;
  for (size_t i = 0; i < count; ++i) {
    wide += static_cast<wchar_t>(CharacterOfByte(static_cast<unsigned char>(text[i])));
  }
  return wide;
}

std::wstring Wide(const char* text) {
  return text != nullptr ? Wide(text, std::char_traits<char>::length(text)) : std::wstring();
}

// The filter list: pairs of NUL-terminated strings ended by an empty one.
std::wstring WideFilters(const char* filters) {
  if (filters == nullptr) return {};
  const char* end = filters;
  while (*end != '\0') end += std::char_traits<char>::length(end) + 1;
  return Wide(filters, static_cast<size_t>(end - filters) + 1);
}

}  // namespace

BOOL WINAPI GetSaveFileNameUtf8(LPOPENFILENAMEA request) {
  if (request == nullptr || request->lpstrFile == nullptr || request->nMaxFile == 0) return FALSE;
  std::wstring filters = WideFilters(request->lpstrFilter);
  std::wstring title = Wide(request->lpstrTitle);
  std::wstring extension = Wide(request->lpstrDefExt);
  std::wstring folder = request->lpstrInitialDir ? WideFromUtf8(request->lpstrInitialDir) : L"";
  std::wstring name = WideFromUtf8(request->lpstrFile);
  name.resize(std::max<size_t>(name.size() + 1, request->nMaxFile), L'\0');

  OPENFILENAMEW wide = {};
  wide.lStructSize = request->lStructSize == OPENFILENAME_SIZE_VERSION_400A
                         ? OPENFILENAME_SIZE_VERSION_400W
                         : sizeof(OPENFILENAMEW);
  wide.hwndOwner = request->hwndOwner;
  wide.hInstance = request->hInstance;
  wide.lpstrFilter = request->lpstrFilter ? filters.c_str() : nullptr;
  wide.nFilterIndex = request->nFilterIndex;
  wide.lpstrFile = name.data();
  wide.nMaxFile = static_cast<DWORD>(name.size());
  wide.lpstrInitialDir = request->lpstrInitialDir ? folder.c_str() : nullptr;
  wide.lpstrTitle = request->lpstrTitle ? title.c_str() : nullptr;
  wide.Flags = request->Flags & ~static_cast<DWORD>(OFN_FILEMUSTEXIST);
  wide.lpstrDefExt = request->lpstrDefExt ? extension.c_str() : nullptr;
  if (!GetSaveFileNameW(&wide)) return FALSE;

  std::string chosen = Utf8FromWide(wide.lpstrFile, -1);  // with its NUL
  if (chosen.empty() || chosen.size() > request->nMaxFile) return FALSE;
  chosen.copy(request->lpstrFile, chosen.size());
  request->nFilterIndex = wide.nFilterIndex;
  request->nFileOffset = static_cast<WORD>(Utf8FromWide(wide.lpstrFile, wide.nFileOffset).size());
  request->nFileExtension =
      static_cast<WORD>(Utf8FromWide(wide.lpstrFile, wide.nFileExtension).size());
  return TRUE;
}
