// Replacing a file's contents on Linux; see platform/replace_file.h.
//
// Every step after the folder is found works on descriptors, never on a name
// looked up again: the file is opened once and checked, the new text is
// created in a private folder that this process made and verified, and the
// rename moves that exact file over the name. Another user who may write in
// the folder can change what its names point to, but never make this save
// write into another file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <random>
#include <string>
#include <utility>

#include "platform/replace_file.h"

namespace {

constexpr int kLinkHops = 40;  // the kernel's own limit
constexpr int kAttempts = 100;
constexpr char kPrivateSuffix[] = ".ombrix-";
constexpr int kRandomLength = 6;
constexpr mode_t kPrivateMode = 0700;
constexpr mode_t kReplacementMode = 0600;  // until it has the file's own
constexpr mode_t kNewFileMode = 0666;      // narrowed by the umask, as for any new file

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }

 private:
  int fd_;
};

// The path with every symbolic link at its end followed; a link to nothing
// gives the name it points to, where the new file is then made.
bool FinalPath(const char* path, std::string* final) {
  std::string at = path;
  for (int hop = 0; hop < kLinkHops; ++hop) {
    char target[PATH_MAX];
    ssize_t length = readlink(at.c_str(), target, sizeof target);
    if (length < 0) {
      *final = at;
      return errno == EINVAL || errno == ENOENT;  // not a link; nothing there yet
    }
    if (length == sizeof target) return false;
    if (target[0] == '/') {
      at.assign(target, static_cast<size_t>(length));
    } else {
      at =
          at.substr(0, at.find_last_of('/') + 1) + std::string(target, static_cast<size_t>(length));
    }
  }
  return false;
}

bool WriteAll(int fd, const char* bytes, size_t length, off_t offset) {
  while (length > 0) {
    ssize_t count = pwrite(fd, bytes, length, offset);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    bytes += count;
    length -= static_cast<size_t>(count);
    offset += count;
  }
  return true;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Into the file itself, after the whole text is at hand: the room for it is
// taken first where the file system can, so that a full disk stops the save
// before a byte of the old text is overwritten.
bool WriteInPlace(int file, const char* bytes, size_t length) {
  if (length > 0 && fallocate(file, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(length)) != 0 &&
      (errno == ENOSPC || errno == EDQUOT)) {
    return false;
  }
  return WriteAll(file, bytes, length, 0) && ftruncate(file, static_cast<off_t>(length)) == 0 &&
         fsync(file) == 0;
}

// ".NAME.ombrix-" and random letters: a name that a person recognises as
// left over, cut to the length the file system allows.
std::string PrivateName(const std::string& name) {
  static std::mt19937 random{std::random_device{}()};
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  size_t room = NAME_MAX - 1 - (sizeof kPrivateSuffix - 1) - kRandomLength;
  size_t cut = std::min(name.size(), room);
  while (cut > 0 && cut < name.size() && (static_cast<unsigned char>(name[cut]) >> 6) == 2) --cut;
  std::string privateName = "." + name.substr(0, cut) + kPrivateSuffix;
  for (int i = 0; i < kRandomLength; ++i) privateName += kLetters[random() % (sizeof kLetters - 1)];
  return privateName;
}

enum class Outcome { kReplaced, kFailed, kNotHere };

bool NotAllowed(int error) {
  return error == EACCES || error == EPERM || error == EROFS;
}

// A folder that this process made beside the file, which only its user may
// enter, and the new file in it under the file's name; whatever is left of
// them goes when it ends.
class PrivateFolder {
 public:
  // errno says why when it could not be made.
  PrivateFolder(int folder, const std::string& name) : folder_(folder), name_(name) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      privateName_ = PrivateName(name);
      if (mkdirat(folder, privateName_.c_str(), kPrivateMode) != 0) {
        privateName_.clear();
        if (errno == EEXIST) continue;
        return;
      }
      Descriptor made(
          openat(folder, privateName_.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
      struct stat info;
      if (made && fstat(made.get(), &info) == 0 && S_ISDIR(info.st_mode) &&
          info.st_uid == geteuid() && (info.st_mode & 077) == 0) {
        fd_ = std::move(made);
        return;
      }
      Remove();  // another one was put in its place
    }
    errno = EEXIST;
  }
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
  ~PrivateFolder() { Remove(); }

  explicit operator bool() const { return static_cast<bool>(fd_); }

  Descriptor CreateFile(mode_t mode) {
    return Descriptor(openat(fd_.get(), name_.c_str(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
  }

  // Moves the new file over the file's name in the folder.
  bool MoveOver() { return renameat(fd_.get(), name_.c_str(), folder_, name_.c_str()) == 0; }

 private:
  void Remove() {
    if (fd_) unlinkat(fd_.get(), name_.c_str(), 0);
    if (!privateName_.empty()) unlinkat(folder_, privateName_.c_str(), AT_REMOVEDIR);
    privateName_.clear();
    fd_ = Descriptor();
  }

  int folder_;
  std::string name_;
  std::string privateName_;
  Descriptor fd_;
};

// Gives the new file the owner, group and permissions of the existing one;
// false when the system does not allow its owner and group.
bool TakeOver(int file, const struct stat& existing) {
  bool both = fchown(file, existing.st_uid, existing.st_gid) == 0;
  if (!both && fchown(file, static_cast<uid_t>(-1), existing.st_gid) != 0) return false;
  struct stat now;
  if (!both && (fstat(file, &now) != 0 || now.st_uid != existing.st_uid)) return false;
  return fchmod(file, existing.st_mode & 07777) == 0;
}

// The new text in a new file, renamed over the name; kNotHere when the
// system does not allow that here.
Outcome Replace(int folder, const std::string& name, const struct stat* existing, const char* bytes,
                size_t length) {
  PrivateFolder place(folder, name);
  if (!place) return NotAllowed(errno) ? Outcome::kNotHere : Outcome::kFailed;
  Descriptor file = place.CreateFile(existing ? kReplacementMode : kNewFileMode);
  if (!file) return Outcome::kFailed;
  if (existing && !TakeOver(file.get(), *existing)) return Outcome::kNotHere;
  if (!WriteAll(file.get(), bytes, length, 0) || fsync(file.get()) != 0) return Outcome::kFailed;
  // In a folder with the sticky bit, only one's own files may be replaced.
  if (!place.MoveOver()) return NotAllowed(errno) ? Outcome::kNotHere : Outcome::kFailed;
  // The new name is on the disk once the folder is synced; a folder that
  // cannot be read for that holds it all the same.
  Descriptor synced(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (synced) fsync(synced.get());
  return Outcome::kReplaced;
}

}  // namespace

bool ReplaceFileContents(const char* path, const char* bytes, size_t length) {
  std::string final;
  if (path == nullptr || !FinalPath(path, &final)) return false;
  size_t slash = final.find_last_of('/');
  std::string name = final.substr(slash + 1);
  std::string folderPath = slash == std::string::npos ? "."
                           : slash == 0               ? "/"
                                                      : final.substr(0, slash);
  Descriptor folder(open(folderPath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (!folder || name.empty()) return false;

  struct stat existing;
  if (fstatat(folder.get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) != 0) {
    return errno == ENOENT &&
           Replace(folder.get(), name, nullptr, bytes, length) == Outcome::kReplaced;
  }
  // Only a regular file is opened: opening a device may do something.
  if (!S_ISREG(existing.st_mode)) return false;
  Descriptor file(openat(folder.get(), name.c_str(),
                         O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat opened;
  if (!file || fstat(file.get(), &opened) != 0 || !SameFile(opened, existing) ||
      !S_ISREG(opened.st_mode)) {
    return false;
  }
  if (opened.st_nlink > 1) return WriteInPlace(file.get(), bytes, length);
  switch (Replace(folder.get(), name, &opened, bytes, length)) {
    case Outcome::kReplaced:
      return true;
    case Outcome::kNotHere:
      return WriteInPlace(file.get(), bytes, length);
    case Outcome::kFailed:
      return false;
  }
  return false;
}
