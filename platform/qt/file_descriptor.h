// An open file descriptor that closes itself, and the plain reads, writes
// and syncs that saving does through one. Every function returns 0 or the
// errno of what failed.
#ifndef OMBRIX_PLATFORM_QT_FILE_DESCRIPTOR_H
#define OMBRIX_PLATFORM_QT_FILE_DESCRIPTOR_H

#include <sys/types.h>

#include <cstddef>
#include <utility>

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor();
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }

 private:
  int fd_;
};

// Writes all length bytes at offset.
int WriteAll(int fd, const char* bytes, size_t length, off_t offset);

// Makes fd hold exactly what from holds, from its start.
int CopyContents(int from, int fd);

// Puts what fd holds on the disk; a file system that has no such step (it
// answers EINVAL, ENOSYS or EOPNOTSUPP) holds it already as far as it can.
int Sync(int fd);

// The user whose rights the file system checks (the fsuid, which is the
// effective user unless the process changed it).
uid_t FileSystemUser();

#endif
