// Saving on file systems of their own, mounted for the test where the
// machine lets it (root, loop devices, FUSE), skipped with the reason where
// it does not: a full tmpfs and a full btrfs (which writes every block
// anew), vfat through FUSE (no owners, no chown), and a file mounted over
// its name (no rename).
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/replace_file.h"
#include "tests/support.h"

namespace fs = std::filesystem;

namespace {

bool Run(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// A scratch folder with a file system mounted on "mnt" in it by command
// (with %s for the mount point), unmounted and removed at the end; skip()
// says why when it cannot be had.
class Mounted {
 public:
  explicit Mounted(const std::string& command) {
    char name[] = "/tmp/ombrix-mount-XXXXXX";
    if (mkdtemp(name) == nullptr) return;
    base_ = name;
    fs::create_directory(base_ / "mnt");
    std::string filled = command;
    filled.replace(filled.find("%s"), 2, (base_ / "mnt").string());
    if (geteuid() != 0) {
      skip_ = "needs root, to mount";
    } else if (!Run("cd " + base_.string() + " && " + filled)) {
      skip_ = "cannot mount here: " + filled;
    }
  }
  ~Mounted() {
    if (skip_.empty()) {
      Run("fusermount -u " + (base_ / "mnt").string());
      umount2((base_ / "mnt").c_str(), MNT_DETACH);
    }
    std::error_code ignored;
    if (!base_.empty()) fs::remove_all(base_, ignored);
  }
  const std::string& skip() const { return skip_; }
  fs::path at() const { return base_ / "mnt"; }

 private:
  fs::path base_;
  std::string skip_;
};

// Writes until the file system has no more than room bytes free.
void Fill(const fs::path& file, size_t room) {
  std::ofstream out(file, std::ios::binary);
  const std::string chunk(1 << 12, 'x');
  for (int written = 0;; ++written) {
    if (written % 64 == 0) {
      out.flush();
      sync();
      struct statvfs free;
      if (statvfs(file.parent_path().c_str(), &free) != 0 || free.f_bavail * free.f_bsize <= room) {
        break;
      }
    }
    if (!out.write(chunk.data(), chunk.size())) break;
  }
  out.close();
  sync();
}

int Leftovers(const fs::path& folder) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    count += entry.path().filename().string().find(".ombrix-") != std::string::npos;
  }
  return count;
}

struct Disk {
  const char* what;
  const char* mount;
  size_t newSize;
};

void PrintTo(const Disk& disk, std::ostream* out) {
  *out << disk.what;
}

class FullDisk : public testing::TestWithParam<std::tuple<Disk, bool>> {};

// On a disk with less room than the new text needs, a save is refused before
// the old text is touched, as a new file renamed over the old and as a write
// into a file of two names.
TEST_P(FullDisk, RefusesBeforeTouchingTheOldText) {
  auto [disk, inPlace] = GetParam();
  Mounted mounted(disk.mount);
  if (!mounted.skip().empty()) GTEST_SKIP() << mounted.skip();
  fs::path file = mounted.at() / "vana.txt";
  const std::string oldText(disk.newSize / 2, 'v');
  const std::string newText(disk.newSize, 'u');
  WriteBytes(file, oldText);
  if (inPlace) fs::create_hard_link(file, mounted.at() / "teine.txt");
  // Room for a copy of the old text, not for the new text besides.
  Fill(mounted.at() / "täis", oldText.size() + newText.size() / 2);
  bool saved = ReplaceFileContents(file.c_str(), newText.data(), newText.size());
  DWORD error = GetLastError();
  std::string held = FileBytes(file);
  EXPECT_TRUE(held == oldText || (saved && held == newText))
      << "holds " << held.size() << " bytes, " << std::count(held.begin(), held.end(), 'u')
      << " of them new";
  EXPECT_TRUE(saved || error == static_cast<DWORD>(ERROR_DISK_FULL)) << error;
  EXPECT_EQ(Leftovers(mounted.at()), 0);

  fs::remove(mounted.at() / "täis");
  sync();
  EXPECT_TRUE(ReplaceFileContents(file.c_str(), newText.data(), newText.size()));
  EXPECT_TRUE(FileBytes(file) == newText);
}

const Disk kDisks[] = {
    {"tmpfs", "mount -t tmpfs -o size=256k tmpfs %s", 100 << 10},
    {"btrfs", "truncate -s 128M image && mkfs.btrfs -q image && mount -o loop image %s", 8 << 20},
};

INSTANTIATE_TEST_SUITE_P(Disks, FullDisk,
                         testing::Combine(testing::ValuesIn(kDisks), testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).what) +
                                  (std::get<1>(info.param) ? "_in_place" : "_renamed");
                         });

// vfat through FUSE answers chown with ENOSYS and gives every file the
// mount's owner: a save there succeeds, and says so.
TEST(OtherFileSystems, VfatThroughFuseTakesTheText) {
  Mounted mounted("truncate -s 8M image && mkfs.vfat image && fusefat -o rw+ image %s");
  if (!mounted.skip().empty()) GTEST_SKIP() << mounted.skip();
  const std::string text = "Uus tekst\r\n";
  fs::path file = mounted.at() / "vana.txt";
  WriteBytes(file, "vana");
  EXPECT_TRUE(ReplaceFileContents(file.c_str(), text.data(), text.size()));
  EXPECT_EQ(FileBytes(file), text);
  fs::path made = mounted.at() / "uus.txt";
  EXPECT_TRUE(ReplaceFileContents(made.c_str(), text.data(), text.size()));
  EXPECT_EQ(FileBytes(made), text);
  EXPECT_EQ(Leftovers(mounted.at()), 0);
}

// A file mounted over another name cannot be renamed over (EBUSY): it is
// written in place.
TEST(OtherFileSystems, AFileMountedOverItsNameIsWrittenInPlace) {
  Mounted mounted(
      "touch mnt/sihtmärk.txt && echo vana > allikas.txt && "
      "mount --bind allikas.txt mnt/sihtmärk.txt && test %s");
  if (!mounted.skip().empty()) GTEST_SKIP() << mounted.skip();
  fs::path file = mounted.at() / "sihtmärk.txt";
  const std::string text = "Uus tekst\r\n";
  bool saved = ReplaceFileContents(file.c_str(), text.data(), text.size());
  umount2(file.c_str(), MNT_DETACH);
  EXPECT_TRUE(saved);
  EXPECT_EQ(FileBytes(mounted.at().parent_path() / "allikas.txt"), text);
  EXPECT_EQ(Leftovers(mounted.at()), 0);
}

}  // namespace
