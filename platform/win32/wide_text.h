// File names between the program, which carries them in UTF-8 on every
// system, and Windows' wide-character calls, which take any name.
#ifndef OMBRIX_PLATFORM_WIN32_WIDE_TEXT_H
#define OMBRIX_PLATFORM_WIN32_WIDE_TEXT_H

#include <string>

// The NUL-terminated UTF-8 text in UTF-16, without its NUL.
std::wstring WideFromUtf8(const char* text);

// The first count UTF-16 units of text in UTF-8; a count of -1 takes the
// whole NUL-terminated text, its NUL included.
std::string Utf8FromWide(const wchar_t* text, int count);

#endif
