#include "platform/qt/file_attributes.h"

#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

namespace {

// The flags that chattr sets and a new file can be given before it holds
// anything; FS_IOC_GETFLAGS reports others (extents, inline data) that the
// file system keeps for itself.
constexpr int kCopiedFlags = FS_FL_USER_MODIFIABLE | FS_NOCOW_FL | FS_PROJINHERIT_FL;

// The names of fd's extended attributes; false when they cannot be listed
// (none where the file system has none).
bool AttributeNames(int fd, std::vector<std::string>* names) {
  names->clear();
  std::vector<char> list;
  for (;;) {
    ssize_t size = flistxattr(fd, nullptr, 0);
    if (size < 0) return errno == ENOTSUP;
    list.resize(static_cast<size_t>(size));
    size = flistxattr(fd, list.data(), list.size());
    if (size >= 0) {
      list.resize(static_cast<size_t>(size));
      break;
    }
    if (errno != ERANGE) return false;
  }
  for (size_t at = 0; at < list.size(); at += names->back().size() + 1) {
    names->emplace_back(list.data() + at);
  }
  return true;
}

bool AttributeValue(int fd, const char* name, std::vector<char>* value) {
  for (;;) {
    ssize_t size = fgetxattr(fd, name, nullptr, 0);
    if (size < 0) return false;
    value->resize(static_cast<size_t>(size));
    size = fgetxattr(fd, name, value->data(), value->size());
    if (size >= 0) {
      value->resize(static_cast<size_t>(size));
      return true;
    }
    if (errno != ERANGE) return false;
  }
}

// The new file's extended attributes become exactly those of from, the
// access control list among them; one that the new file got from its
// folder and from lacks is removed.
bool CopyExtendedAttributes(int from, int to) {
  std::vector<std::string> wanted, present;
  if (!AttributeNames(from, &wanted) || !AttributeNames(to, &present)) return false;
  for (const std::string& name : present) {
    if (std::find(wanted.begin(), wanted.end(), name) == wanted.end() &&
        fremovexattr(to, name.c_str()) != 0) {
      return false;
    }
  }
  std::vector<char> value;
  for (const std::string& name : wanted) {
    if (!AttributeValue(from, name.c_str(), &value) ||
        fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0) {
      return false;
    }
  }
  return true;
}

// A file system without flags has none to copy.
bool Flags(int fd, int* flags) {
  *flags = 0;
  return ioctl(fd, FS_IOC_GETFLAGS, flags) == 0 || errno == ENOTTY || errno == ENOTSUP ||
         errno == EINVAL;
}

bool CopyFlags(int from, int to) {
  int wanted = 0, present = 0;
  if (!Flags(from, &wanted) || !Flags(to, &present)) return false;
  if ((wanted & kCopiedFlags) == (present & kCopiedFlags)) return true;
  int flags = (present & ~kCopiedFlags) | (wanted & kCopiedFlags);
  return ioctl(to, FS_IOC_SETFLAGS, &flags) == 0 && Flags(to, &present) &&
         (present & kCopiedFlags) == (wanted & kCopiedFlags);
}

}  // namespace

bool TakeOverAttributes(int from, const struct stat& existing, int to) {
  // A file system without owners (vfat) gives every file the same one: what
  // the new file has already needs no change.
  struct stat now;
  if (fstat(to, &now) != 0) return false;
  if ((now.st_uid != existing.st_uid || now.st_gid != existing.st_gid) &&
      fchown(to, existing.st_uid, existing.st_gid) != 0 &&
      (now.st_uid != existing.st_uid || fchown(to, static_cast<uid_t>(-1), existing.st_gid) != 0)) {
    return false;
  }
  if (!CopyExtendedAttributes(from, to) || !CopyFlags(from, to)) return false;
  if (fstat(to, &now) != 0) return false;
  if ((now.st_mode & 07777) != (existing.st_mode & 07777) &&
      fchmod(to, existing.st_mode & 07777) != 0) {
    return false;
  }
  return fstat(to, &now) == 0 && now.st_mode == existing.st_mode && now.st_uid == existing.st_uid &&
         now.st_gid == existing.st_gid;
}
