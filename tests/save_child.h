// A save through ReplaceFileContents in a child process, as root, as the
// ordinary user nobody, or under a file-size limit with SIGXFSZ left as the
// system sets it: what the program meets, without the test's own rights.
#ifndef OMBRIX_TESTS_SAVE_CHILD_H
#define OMBRIX_TESTS_SAVE_CHILD_H

#include <sys/types.h>

#include <string>

constexpr uid_t kNobody = 65534;  // and nogroup
constexpr long kFileSizeLimit = 1000;

enum class As { kRoot, kNobody, kFileSizeLimit };

struct ChildSave {
  bool ran = false;    // the child ended by itself, not by a signal
  bool saved = false;  // ReplaceFileContents answered true
  unsigned error = 0;  // GetLastError after it answered false
};

ChildSave SaveInChild(const std::string& path, const std::string& text, As as);

#endif
