// rcgen: turns the program's resource script into a C++ source that embeds
// its dialog and menu templates and its icons.
//
//   rcgen SCRIPT.rc OUTPUT.cpp [-I DIR]...
//
// A statement outside the supported subset stops the build with
// "file:line: error: reason" (see resource_script.h).
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/rcgen/embedded_source.h"
#include "platform/rcgen/resource_script.h"

int main(int argc, char** argv) {
  std::vector<std::string> files;
  std::vector<std::string> includeDirs;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "-I" && i + 1 < argc) {
      includeDirs.push_back(argv[++i]);
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 2) {
    std::cerr << "usage: rcgen SCRIPT.rc OUTPUT.cpp [-I DIR]...\n";
    return 2;
  }
  ResourceScript script;
  std::string error;
  if (!ParseResourceScript(files[0], includeDirs, &script, &error)) {
    std::cerr << error << "\n";
    return 1;
  }
  std::string name = files[0].substr(files[0].find_last_of('/') + 1);
  std::ofstream out(files[1], std::ios::binary);
  out << EmbeddedSource(script, name);
  if (!out) {
    std::cerr << files[1] << ":0: error: cannot write the generated source\n";
    return 1;
  }
  return 0;
}
