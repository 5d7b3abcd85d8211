#include "platform/qt/resolve_path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string_view>
#include <vector>

namespace {

constexpr int kLinkHops = 40;  // the kernel's own limit

// Pushes the names of path onto pending so that the first comes out first;
// a path that ends in "/" ends in an empty name.
void PushNames(std::string_view path, std::vector<std::string>* pending) {
  std::vector<std::string> names;
  size_t start = 0;
  for (;;) {
    size_t slash = path.find('/', start);
    std::string_view name = path.substr(start, slash - start);
    if (!name.empty() || slash == std::string_view::npos) names.emplace_back(name);
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  pending->insert(pending->end(), names.rbegin(), names.rend());
}

// The kernel's protected-symlinks rule (fs.protected_symlinks = 1).
bool MayFollow(const struct stat& folder, const struct stat& link) {
  constexpr mode_t kShared = S_ISVTX | S_IWOTH;
  return (folder.st_mode & kShared) != kShared || link.st_uid == FileSystemUser() ||
         link.st_uid == folder.st_uid;
}

}  // namespace

int ResolvePath(const char* path, ResolvedPath* resolved) {
  if (path == nullptr || *path == '\0') return ENOENT;
  Descriptor at(open(*path == '/' ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (!at) return errno;
  std::vector<std::string> pending;
  PushNames(path, &pending);
  int hops = 0;
  bool throughLink = false;
  while (!pending.empty()) {
    std::string name = std::move(pending.back());
    pending.pop_back();
    bool last = pending.empty();
    if (name.empty() || name == "." || name == "..") {
      if (last) return EISDIR;
      if (name == "..") {
        at = Descriptor(openat(at.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!at) return errno;
      }
      continue;
    }
    Descriptor next(openat(at.get(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    if (!next && errno == ENOENT && last) {
      resolved->folder = std::move(at);
      resolved->name = std::move(name);
      resolved->throughLink = throughLink;
      return 0;
    }
    struct stat info;
    if (!next || fstat(next.get(), &info) != 0) return errno;
    if (S_ISLNK(info.st_mode)) {
      struct stat folder;
      if (++hops > kLinkHops) return ELOOP;
      if (fstat(at.get(), &folder) != 0) return errno;
      if (!MayFollow(folder, info)) return EACCES;
      char target[PATH_MAX];
      ssize_t length = readlinkat(next.get(), "", target, sizeof target);
      if (length < 0) return errno;
      if (length == 0) return ENOENT;
      if (static_cast<size_t>(length) == sizeof target) return ENAMETOOLONG;
      if (target[0] == '/') {
        at = Descriptor(open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!at) return errno;
      }
      PushNames(std::string_view(target, static_cast<size_t>(length)), &pending);
      throughLink = throughLink || last;
      continue;
    }
    if (last) {
      resolved->folder = std::move(at);
      resolved->name = std::move(name);
      resolved->file = std::move(next);
      resolved->throughLink = throughLink;
      return 0;
    }
    if (!S_ISDIR(info.st_mode)) return ENOTDIR;
    at = std::move(next);
  }
  return ENOENT;
}
