#include "platform/qt/private_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>

namespace {

constexpr int kAttempts = 100;
constexpr char kSuffix[] = ".ombrix-";
constexpr int kRandomLength = 6;
constexpr mode_t kPrivateMode = 0700;

// ".NAME.ombrix-" and random letters: a name that a person recognises as
// the save's, cut to the length the file system allows.
std::string FolderName(const std::string& name) {
  static std::mt19937 random{std::random_device{}()};
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  size_t room = NAME_MAX - 1 - (sizeof kSuffix - 1) - kRandomLength;
  size_t cut = std::min(name.size(), room);
  while (cut > 0 && cut < name.size() && (static_cast<unsigned char>(name[cut]) >> 6) == 2) --cut;
  std::string folderName = "." + name.substr(0, cut) + kSuffix;
  for (int i = 0; i < kRandomLength; ++i) folderName += kLetters[random() % (sizeof kLetters - 1)];
  return folderName;
}

}  // namespace

PrivateFolder::PrivateFolder(int folder, const std::string& name) : folder_(folder) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    name_ = FolderName(name);
    if (mkdirat(folder, name_.c_str(), kPrivateMode) != 0) {
      error_ = errno;
      name_.clear();
      if (error_ == EEXIST) continue;
      return;
    }
    Descriptor made(openat(folder, name_.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info;
    if (made && fstat(made.get(), &info) == 0 && S_ISDIR(info.st_mode) &&
        info.st_uid == FileSystemUser() && (info.st_mode & 077) == 0) {
      fd_ = std::move(made);
      error_ = 0;
      return;
    }
    // Another one was put in its place: not ours to remove.
    name_.clear();
  }
  error_ = EEXIST;
}

PrivateFolder::~PrivateFolder() {
  if (kept_ || !fd_) return;
  for (const std::string& entry : entries_) unlinkat(fd_.get(), entry.c_str(), 0);
  unlinkat(folder_, name_.c_str(), AT_REMOVEDIR);
}

Descriptor PrivateFolder::Create(const std::string& entry, mode_t mode) {
  Descriptor file(
      openat(fd_.get(), entry.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
  if (file) entries_.push_back(entry);
  return file;
}

void PrivateFolder::Remove(const std::string& entry) {
  auto made = std::find(entries_.begin(), entries_.end(), entry);
  if (made == entries_.end()) return;
  unlinkat(fd_.get(), entry.c_str(), 0);
  entries_.erase(made);
}

int PrivateFolder::MoveOver(const std::string& entry, bool replace) {
  int moved = replace
                  ? renameat(fd_.get(), entry.c_str(), folder_, entry.c_str())
                  : renameat2(fd_.get(), entry.c_str(), folder_, entry.c_str(), RENAME_NOREPLACE);
  // A file system that cannot promise to keep what is there checks nothing.
  if (moved != 0 && !replace && errno == EINVAL) {
    moved = renameat(fd_.get(), entry.c_str(), folder_, entry.c_str());
  }
  if (moved != 0) return errno;
  entries_.erase(std::find(entries_.begin(), entries_.end(), entry));
  return 0;
}

int PrivateFolder::Sync() const {
  Descriptor listing(openat(fd_.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return listing ? ::Sync(listing.get()) : errno;
}
