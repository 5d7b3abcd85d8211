#include "platform/qt/file_descriptor.h"

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

Descriptor::~Descriptor() {
  if (fd_ >= 0) close(fd_);
}

int WriteAll(int fd, const char* bytes, size_t length, off_t offset) {
  while (length > 0) {
    ssize_t count = pwrite(fd, bytes, length, offset);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return errno;
    if (count == 0) return EIO;
    bytes += count;
    length -= static_cast<size_t>(count);
    offset += count;
  }
  return 0;
}

int CopyContents(int from, int fd) {
  constexpr size_t kChunk = 1 << 16;
  char chunk[kChunk];
  off_t offset = 0;
  for (;;) {
    ssize_t count = pread(from, chunk, kChunk, offset);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return errno;
    if (count == 0) break;
    if (int error = WriteAll(fd, chunk, static_cast<size_t>(count), offset)) return error;
    offset += count;
  }
  // Cut only where fd held more: vfat through FUSE refuses ftruncate to
  // the size a file has.
  struct stat copied;
  if (fstat(fd, &copied) != 0) return errno;
  return copied.st_size == offset || ftruncate(fd, offset) == 0 ? 0 : errno;
}

int Sync(int fd) {
  if (fsync(fd) == 0 || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) return 0;
  return errno;
}

uid_t FileSystemUser() {
  // setfsuid answers the current fsuid, and changes nothing for an id that
  // is not allowed, as -1 never is.
  return static_cast<uid_t>(setfsuid(static_cast<uid_t>(-1)));
}
