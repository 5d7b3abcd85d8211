// ombrix-report's arguments and text output on Windows, where the C
// runtime's argv carries the system's ANSI code page (in which "5 märts
// 1990" may not fit) and a console shows bytes in its own code page (UTF-8
// as "kuup├ñeva"). The arguments are read in Unicode and handed on in UTF-8,
// as on Linux; text for a console is written to it in Unicode, and to a
// pipe or a file as the UTF-8 bytes.
#ifndef OMBRIX_CLI_WINDOWS_CONSOLE_H
#define OMBRIX_CLI_WINDOWS_CONSOLE_H

#include <cstdio>
#include <string>
#include <vector>

// The program's command line, from the system's Unicode one, in UTF-8; the
// program's name first.
std::vector<std::string> Utf8Arguments();

// When stream is a console: writes the UTF-8 text to it in Unicode (after
// what the stream has buffered), sets *failed when that fails, and returns
// true. Otherwise false, and nothing is written.
bool WriteToConsole(FILE* stream, const std::string& utf8, bool* failed);

#endif
