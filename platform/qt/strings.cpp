// The kernel's string helpers, on NUL-terminated byte strings, and the
// conversion of file names, which are UTF-8 (CP_ACP, CP_UTF8), to UTF-16.
#include <cstring>
#include <string_view>

#include <windows.h>

#include "text/code_page.h"

LPSTR WINAPI lstrcpyA(LPSTR lpString1, LPCSTR lpString2) {
  if (lpString1 == nullptr || lpString2 == nullptr) return nullptr;
  return std::strcpy(lpString1, lpString2);
}

// Copies at most iMaxLength - 1 bytes and always ends the copy with a NUL.
LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength) {
  if (lpString1 == nullptr || lpString2 == nullptr || iMaxLength <= 0) return nullptr;
  size_t length = strnlen(lpString2, static_cast<size_t>(iMaxLength - 1));
  std::memcpy(lpString1, lpString2, length);
  lpString1[length] = '\0';
  return lpString1;
}

int WINAPI lstrlenA(LPCSTR lpString) {
  return lpString == nullptr ? 0 : static_cast<int>(std::strlen(lpString));
}

// A byte that is not UTF-8 becomes U+FFFD. cbMultiByte -1 converts up to
// and with the NUL. Returns the number of units written, or with
// cchWideChar 0 the number needed; 0 when they do not fit.
int WINAPI MultiByteToWideChar(UINT CodePage, DWORD, LPCSTR lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar) {
  if ((CodePage != CP_ACP && CodePage != CP_UTF8) || lpMultiByteStr == nullptr || cchWideChar < 0) {
    return 0;
  }
  std::string_view text(lpMultiByteStr, cbMultiByte < 0 ? std::strlen(lpMultiByteStr) + 1
                                                        : static_cast<size_t>(cbMultiByte));
  int count = 0;
  auto put = [&](char32_t unit) {
    if (cchWideChar > 0 && count < cchWideChar) lpWideCharStr[count] = static_cast<WCHAR>(unit);
    ++count;
  };
  for (size_t at = 0; at < text.size();) {
    char32_t c = 0xFFFD;
    int length = DecodeUtf8(text, at, &c);
    at += length > 0 ? static_cast<size_t>(length) : 1;
    if (c >= 0x10000) {
      put(0xD800 + ((c - 0x10000) >> 10));
      c = 0xDC00 + ((c - 0x10000) & 0x3FF);
    }
    put(c);
  }
  return cchWideChar > 0 && count > cchWideChar ? 0 : count;
}
