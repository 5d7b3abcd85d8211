// The kernel's string helpers, on NUL-terminated byte strings.
#include <cstring>

#include <windows.h>

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
