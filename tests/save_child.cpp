#include "tests/save_child.h"

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <windows.h>

#include "platform/replace_file.h"

ChildSave SaveInChild(const std::string& path, const std::string& text, As as) {
  int channel[2];
  if (pipe(channel) != 0) return {};
  pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    if (as == As::kNobody &&
        (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
      _exit(2);
    }
    if (as == As::kFileSizeLimit) {
      rlimit limit = {kFileSizeLimit, kFileSizeLimit};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    DWORD error = ReplaceFileContents(path.c_str(), text.data(), text.size()) ? 0 : GetLastError();
    _exit(write(channel[1], &error, sizeof error) == sizeof error ? 0 : 3);
  }
  close(channel[1]);
  DWORD error = 0;
  bool told = read(channel[0], &error, sizeof error) == sizeof error;
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  ChildSave result;
  result.ran = told && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  result.saved = result.ran && error == 0;
  result.error = error;
  return result;
}
