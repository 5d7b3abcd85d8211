// Replacing a file's contents on Linux; see platform/replace_file.h.
//
// The file is found one name at a time by descriptor (resolve_path.h), and
// every later step works on those descriptors, never on a name looked up
// again: the file is opened once and checked, the new text is written in a
// private folder that this save made and verified (private_folder.h), and
// the rename moves that exact file over the name. Another user who may
// write in the folder can change what its names point to, but never make
// this save write into another file.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <string>

#include <windows.h>

#include "platform/qt/file_attributes.h"
#include "platform/qt/file_descriptor.h"
#include "platform/qt/last_error.h"
#include "platform/qt/private_folder.h"
#include "platform/qt/resolve_path.h"
#include "platform/qt/write_in_place.h"
#include "platform/replace_file.h"

namespace {

constexpr mode_t kReplacementMode = 0600;  // until it has the file's own
constexpr mode_t kNewFileMode = 0666;      // narrowed by the umask, as for any new file

// While a save runs, a file-size limit (ulimit -f) makes a write fail with
// EFBIG instead of killing the program with SIGXFSZ; a signal that the save
// raised is taken back before the old mask returns.
class FileSizeSignalHeld {
 public:
  FileSizeSignalHeld() {
    sigemptyset(&signal_);
    sigaddset(&signal_, SIGXFSZ);
    pthread_sigmask(SIG_BLOCK, &signal_, &before_);
  }
  FileSizeSignalHeld(const FileSizeSignalHeld&) = delete;
  FileSizeSignalHeld& operator=(const FileSizeSignalHeld&) = delete;
  ~FileSizeSignalHeld() {
    if (!sigismember(&before_, SIGXFSZ)) {
      struct timespec now = {};
      while (sigtimedwait(&signal_, nullptr, &now) == SIGXFSZ) {
      }
    }
    pthread_sigmask(SIG_SETMASK, &before_, nullptr);
  }

 private:
  sigset_t signal_;
  sigset_t before_;
};

// Where the system does not let a new file take the old one's place.
bool NotAllowed(int error) {
  return error == EACCES || error == EPERM || error == EROFS || error == EBUSY;
}

enum class Outcome { kReplaced, kFailed, kNotHere };

// The new text in a new file in place, given everything of the existing
// file, then renamed over its name; kNotHere where the system does not
// allow that, error then unset.
Outcome Replace(PrivateFolder* place, int folder, const std::string& name, int existing,
                const struct stat& info, const char* bytes, size_t length, int* error) {
  Descriptor made = place->Create(name, kReplacementMode);
  if (!made) {
    *error = errno;
    return Outcome::kFailed;
  }
  if (!TakeOverAttributes(existing, info, made.get())) {
    place->Remove(name);
    return Outcome::kNotHere;
  }
  *error = WriteAll(made.get(), bytes, length, 0);
  if (*error == 0) *error = Sync(made.get());
  if (*error != 0) return Outcome::kFailed;
  // In a folder with the sticky bit only one's own files may be replaced;
  // a file mounted over its name cannot be.
  *error = place->MoveOver(name, true);
  if (NotAllowed(*error)) {
    place->Remove(name);
    *error = 0;
    return Outcome::kNotHere;
  }
  if (*error != 0) return Outcome::kFailed;
  // The new name is on the disk once the folder is synced; a folder that
  // cannot be read for that holds it all the same.
  Descriptor listing(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (listing) Sync(listing.get());
  return Outcome::kReplaced;
}

// A file where the name holds nothing.
int SaveNew(int folder, const std::string& name, const char* bytes, size_t length) {
  PrivateFolder place(folder, name);
  if (!place) return place.error();
  Descriptor made = place.Create(name, kNewFileMode);
  if (!made) return errno;
  int error = WriteAll(made.get(), bytes, length, 0);
  if (error == 0) error = Sync(made.get());
  if (error == 0) error = place.MoveOver(name, false);
  if (error != 0) return error;
  Descriptor listing(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (listing) Sync(listing.get());
  return 0;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

DWORD Save(const char* path, const char* bytes, size_t length) {
  ResolvedPath target;
  if (int error = ResolvePath(path, &target)) {
    return error == EISDIR ? ERROR_BAD_FILE_TYPE : ErrorFromErrno(error);
  }
  int folder = target.folder.get();
  const std::string& name = target.name;
  // A link to nothing: never a new file through a link.
  if (!target.file) {
    return target.throughLink ? ERROR_BAD_FILE_TYPE
                              : ErrorFromErrno(SaveNew(folder, name, bytes, length));
  }
  struct stat info;
  if (fstat(target.file.get(), &info) != 0) return ErrorFromErrno(errno);
  // Only a regular file is opened: opening a device may do something.
  if (!S_ISREG(info.st_mode)) return ERROR_BAD_FILE_TYPE;
  // Read-only by its mode, for root too, who could write it all the same.
  if ((info.st_mode & 0222) == 0) return ERROR_FILE_READ_ONLY;
  constexpr int kOpen = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  bool readable = true;
  Descriptor file(openat(folder, name.c_str(), O_RDWR | kOpen));
  if (!file && errno == EACCES) {
    readable = false;
    file = Descriptor(openat(folder, name.c_str(), O_WRONLY | kOpen));
  }
  if (!file) return ErrorFromErrno(errno);
  struct stat opened;
  if (fstat(file.get(), &opened) != 0) return ErrorFromErrno(errno);
  // The name was given another file since it was looked up.
  if (!SameFile(opened, info)) return ErrorFromErrno(EBUSY);

  PrivateFolder place(folder, name);
  if (!place && !NotAllowed(place.error())) return ErrorFromErrno(place.error());
  if (place && opened.st_nlink == 1) {
    int error = 0;
    switch (Replace(&place, folder, name, file.get(), opened, bytes, length, &error)) {
      case Outcome::kReplaced:
        return 0;
      case Outcome::kFailed:
        return ErrorFromErrno(error);
      case Outcome::kNotHere:
        break;
    }
  }
  int error = WriteInPlace(file.get(), readable, &place, name, bytes, length);
  return error == 0 ? 0 : ErrorFromErrno(error);
}

}  // namespace

bool ReplaceFileContents(const char* path, const char* bytes, size_t length) {
  FileSizeSignalHeld fileSizeSignal;
  DWORD error = Save(path, bytes, length);
  if (error != 0) SetLastError(error);
  return error == 0;
}
