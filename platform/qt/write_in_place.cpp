#include "platform/qt/write_in_place.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

#include "platform/qt/file_descriptor.h"
#include "platform/qt/private_folder.h"

namespace {

constexpr int kLockTries = 500;  // 10 seconds
constexpr long kLockPauseNs = 20'000'000;
constexpr char kRoomEntry[] = "~";  // beside the copy, which has the file's name

// Waits until no other save (or other program that locks it) writes the
// file. A file system without locks is written without one.
int Lock(int file) {
  struct flock lock = {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  for (int attempt = 0; attempt < kLockTries; ++attempt) {
    if (fcntl(file, F_OFD_SETLK, &lock) == 0) return 0;
    if (errno == EINVAL || errno == ENOLCK || errno == EOPNOTSUPP) return 0;
    if (errno != EAGAIN && errno != EACCES && errno != EINTR) return errno;
    struct timespec pause = {0, kLockPauseNs};
    nanosleep(&pause, nullptr);
  }
  return EAGAIN;
}

// Room for length bytes over the file's own. Where the file system writes
// over a file's blocks in place (ext2/3/4, tmpfs), fallocate takes what is
// missing. Where it writes each block anew (btrfs) or is not known to
// write in place, the room is taken by a file of that size in the private
// folder and given back just before the write, which then finds it free.
int MakeRoom(int file, PrivateFolder* place, const std::string& name, size_t length) {
  if (length == 0) return 0;
  struct statfs system;
  if (fstatfs(file, &system) != 0) return errno;
  if (system.f_type == EXT4_SUPER_MAGIC || system.f_type == TMPFS_MAGIC) {
    if (fallocate(file, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(length)) == 0) return 0;
    if (errno != EOPNOTSUPP) return errno;
  }
  if (place == nullptr) return EOPNOTSUPP;
  std::string entry = name == kRoomEntry ? std::string(kRoomEntry) + kRoomEntry : kRoomEntry;
  Descriptor room = place->Create(entry, 0600);
  if (!room) return errno;
  int error = 0;
  if (fallocate(room.get(), 0, 0, static_cast<off_t>(length)) != 0) {
    error = errno;
    if (error == EOPNOTSUPP) {
      constexpr size_t kChunk = 1 << 16;
      static const char kZeros[kChunk] = {};
      error = 0;
      for (size_t at = 0; at < length && error == 0; at += kChunk) {
        size_t part = length - at < kChunk ? length - at : kChunk;
        error = WriteAll(room.get(), kZeros, part, static_cast<off_t>(at));
      }
    }
  }
  if (error == 0) error = Sync(room.get());
  place->Remove(entry);
  if (error == 0 && syncfs(file) != 0) error = errno;
  return error;
}

// The text over the old one, cut where the old was longer (only then: some
// file systems, vfat through FUSE, refuse ftruncate to the size a file has).
int Write(int file, const char* bytes, size_t length) {
  if (int error = WriteAll(file, bytes, length, 0)) return error;
  struct stat written;
  if (fstat(file, &written) != 0) return errno;
  if (written.st_size != static_cast<off_t>(length) &&
      ftruncate(file, static_cast<off_t>(length)) != 0) {
    return errno;
  }
  return Sync(file);
}

}  // namespace

int WriteInPlace(int file, bool readable, PrivateFolder* place, const std::string& name,
                 const char* bytes, size_t length) {
  if (int error = Lock(file)) return error;
  Descriptor copy;
  if (place != nullptr && *place && readable) {
    copy = place->Create(name, 0600);
    if (!copy) return errno;
    int error = CopyContents(file, copy.get());
    if (error == 0) error = Sync(copy.get());
    if (error == 0) error = place->Sync();
    if (error != 0) return error;
  }
  if (int error = MakeRoom(file, place != nullptr && *place ? place : nullptr, name, length)) {
    return error;
  }
  int error = Write(file, bytes, length);
  if (error != 0 && copy && (CopyContents(copy.get(), file) != 0 || Sync(file) != 0)) {
    place->Keep();
  }
  return error;
}
