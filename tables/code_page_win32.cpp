// Code page 1257 <-> UTF-8 through the Windows conversion functions.
#include <windows.h>

#include "tables/code_page.h"

namespace {

constexpr UINT kCodePage = 1257;

std::wstring Wide(UINT codePage, const std::string& text) {
  if (text.empty()) return {};
  int length =
      MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Narrow(UINT codePage, const std::wstring& wide) {
  if (wide.empty()) return {};
  // UTF-8 takes no default character; the code page puts "?" for what it lacks.
  const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
  int length = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                   0, fallback, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length,
                      fallback, nullptr);
  return text;
}

}  // namespace

std::string Utf8FromCodePage(const std::string& text) {
  return Narrow(CP_UTF8, Wide(kCodePage, text));
}

std::string CodePageFromUtf8(const std::string& text) {
  return Narrow(kCodePage, Wide(CP_UTF8, text));
}
