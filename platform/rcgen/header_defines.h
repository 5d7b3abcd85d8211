// The #define lines of the headers that a resource script includes.
//
// As a resource compiler does with C headers, only object-like "#define NAME
// value" lines count; declarations, conditionals, nested includes and
// function-like macros are passed over. The values stay text until a script
// uses the name.
#ifndef OMBRIX_PLATFORM_RCGEN_HEADER_DEFINES_H
#define OMBRIX_PLATFORM_RCGEN_HEADER_DEFINES_H

#include <map>
#include <string>

struct Define {
  std::string value;
  std::string file;
  int line;
};

using Defines = std::map<std::string, Define>;

// Adds the defines of the header at path; a later definition replaces an
// earlier one. Returns false when the file cannot be read.
bool ReadHeaderDefines(const std::string& path, Defines* defines);

#endif
