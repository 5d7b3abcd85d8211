// Saving over a scratch folder, one row per kind of file and folder: what
// holds the text afterwards, what stays as it was, and that nothing of the
// program's is left behind, and the reason a refused save gives. Every save
// runs in a child process; the rows about permissions save there as an
// ordinary user (nobody), since root may write anything, and are skipped
// when the tests do not run as root.
#include <grp.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <fcntl.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include <windows.h>

#include "platform/replace_file.h"
#include "tests/save_child.h"
#include "tests/support.h"

namespace fs = std::filesystem;

namespace {

const std::string kOld = "vana tekst";

// Code page 1257 text of 1,500 bytes: more than a full disk lets through.
std::string NewText() {
  std::string text;
  while (text.size() < 1500) text += "Uus tekst: \xF5\xE4\xF6\xFC \xD0\xDE\r\n";
  return text;
}
const std::string kNew = NewText();

struct stat Stat(const fs::path& path) {
  struct stat info {};
  EXPECT_EQ(lstat(path.c_str(), &info), 0) << path;
  return info;
}

void Own(const fs::path& path, uid_t user, gid_t group, mode_t mode) {
  ASSERT_EQ(lchown(path.c_str(), user, group), 0) << path;
  ASSERT_EQ(chmod(path.c_str(), mode), 0) << path;
}

// Everything of the program's under the folder: names with ".ombrix-".
int Leftovers(const fs::path& folder) {
  int count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    count += entry.path().filename().string().find(".ombrix-") != std::string::npos;
  }
  return count;
}

// A folder nested under base whose path has at least length bytes.
fs::path DeepFolder(const fs::path& base, size_t length) {
  fs::path folder = base;
  while (folder.native().size() < length) folder /= std::string(200, 'k');
  fs::create_directories(folder);
  return folder;
}

struct Save {
  Save(fs::path saved, fs::path holding) : path(std::move(saved)), holder(std::move(holding)) {}
  fs::path path;     // the name saved
  fs::path holder;   // the file that must hold the text, or keep the old one
  std::string skip;  // why the row cannot be tried here, if it cannot
};

// Runs a command of the acl, attr or e2fsprogs packages; false when it fails
// (a file system without ACLs or flags).
bool Run(const std::string& command) {
  return std::system((command + " 2>/dev/null").c_str()) == 0;
}

// What the command writes on standard output.
std::string Output(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char chunk[256];
    while (size_t count = fread(chunk, 1, sizeof chunk, pipe)) output.append(chunk, count);
    pclose(pipe);
  }
  return output;
}

std::string Attribute(const fs::path& path, const char* name) {
  char value[256];
  ssize_t size = lgetxattr(path.c_str(), name, value, sizeof value);
  return size < 0 ? "(none)" : std::string(value, static_cast<size_t>(size));
}

int Flags(const fs::path& path) {
  int flags = -1;
  int fd = open(path.c_str(), O_RDONLY);
  if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) flags = -1;
  if (fd >= 0) close(fd);
  return flags;
}

// A folder of mode 1777 owned by owner, as /tmp is to root, and in it a link
// of linker to the file secret beside the folder.
fs::path SharedFolderWithLink(const fs::path& folder, uid_t owner, uid_t linker) {
  WriteBytes(folder / "saladus.txt", kOld);
  fs::create_directory(folder / "jagatud");
  fs::create_symlink("../saladus.txt", folder / "jagatud/viide.txt");
  EXPECT_EQ(lchown((folder / "jagatud/viide.txt").c_str(), linker, linker), 0);
  EXPECT_EQ(chown((folder / "jagatud").c_str(), owner, owner), 0);
  EXPECT_EQ(chmod((folder / "jagatud").c_str(), 01777), 0);
  return folder / "jagatud/viide.txt";
}

struct Row {
  const char* what;
  As as;
  std::function<Save(const fs::path& folder)> prepare;
  DWORD error;  // GetLastError after the save; 0: saved
  // What else holds afterwards; before is the holder's state before the save.
  std::function<void(const Save& save, const struct stat& before)> check;
};

void SameFile(const Save& save, const struct stat& before) {
  EXPECT_EQ(Stat(save.holder).st_ino, before.st_ino) << "written in place";
}

void KeptAsItWas(const Save& save, const struct stat& before) {
  struct stat after = Stat(save.holder);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(after.st_ino, before.st_ino);
}

const Row kRows[] = {
    {"a new file gets the permissions of any new file", As::kRoot,
     [](const fs::path& folder) {
       return Save{folder / "uus.txt", folder / "uus.txt"};
     },
     0,
     [](const Save& save, const struct stat&) {
       mode_t mask = umask(0);
       umask(mask);
       EXPECT_EQ(Stat(save.holder).st_mode, S_IFREG | (0666 & ~mask));
     }},
    {"a file keeps its mode, owner and group", As::kRoot,
     [](const fs::path& folder) {
       WriteBytes(folder / "oma.txt", kOld);
       Own(folder / "oma.txt", kNobody, kNobody, 0640);
       return Save{folder / "oma.txt", folder / "oma.txt"};
     },
     0,
     [](const Save& save, const struct stat& before) {
       struct stat after = Stat(save.holder);
       EXPECT_EQ(after.st_mode, before.st_mode);
       EXPECT_EQ(after.st_uid, before.st_uid);
       EXPECT_EQ(after.st_gid, before.st_gid);
       EXPECT_NE(after.st_ino, before.st_ino) << "replaced, not written in place";
     }},
    {"links stay links, each followed from its own folder, and the file gets the text", As::kRoot,
     [](const fs::path& folder) {
       fs::create_directory(folder / "all");
       WriteBytes(folder / "pärast.txt", kOld);
       fs::create_symlink("all/samm.txt", folder / "viide.txt");
       fs::create_symlink("../pärast.txt", folder / "all/samm.txt");
       return Save{folder / "viide.txt", folder / "pärast.txt"};
     },
     0,
     [](const Save& save, const struct stat&) {
       EXPECT_EQ(fs::read_symlink(save.path), "all/samm.txt");
       EXPECT_TRUE(fs::is_symlink(save.path.parent_path() / "all/samm.txt"));
     }},
    {"no file is made through a link to nothing", As::kRoot,
     [](const fs::path& folder) {
       fs::create_symlink("tulevane.txt", folder / "viide.txt");
       return Save{folder / "viide.txt", folder / "tulevane.txt"};
     },
     ERROR_BAD_FILE_TYPE,
     [](const Save& save, const struct stat&) {
       EXPECT_TRUE(fs::is_symlink(save.path));
       EXPECT_FALSE(fs::exists(save.holder));
     }},
    {"another user's link in a shared sticky folder is not followed", As::kRoot,
     [](const fs::path& folder) {
       return Save{SharedFolderWithLink(folder, 0, kNobody), folder / "saladus.txt"};
     },
     ERROR_ACCESS_DENIED, KeptAsItWas},
    {"a link of the shared folder's owner is followed", As::kNobody,
     [](const fs::path& folder) {
       Save save{SharedFolderWithLink(folder, 0, 0), folder / "saladus.txt"};
       Own(save.holder, kNobody, kNobody, 0644);
       return save;
     },
     0, nullptr},
    {"one's own link in a shared folder is followed", As::kNobody,
     [](const fs::path& folder) {
       Save save{SharedFolderWithLink(folder, 0, kNobody), folder / "saladus.txt"};
       Own(save.holder, kNobody, kNobody, 0644);
       return save;
     },
     0, nullptr},
    {"a link of another in a folder writable by all but not sticky is followed", As::kRoot,
     [](const fs::path& folder) {
       Save save{SharedFolderWithLink(folder, 0, kNobody), folder / "saladus.txt"};
       chmod((folder / "jagatud").c_str(), 0777);
       return save;
     },
     0, nullptr},
    {"a hard link shares the new text", As::kRoot,
     [](const fs::path& folder) {
       WriteBytes(folder / "üks.txt", kOld);
       fs::create_hard_link(folder / "üks.txt", folder / "teine.txt");
       return Save{folder / "üks.txt", folder / "teine.txt"};
     },
     0, SameFile},
    {"a read-only file is refused", As::kNobody,
     [](const fs::path& folder) {
       WriteBytes(folder / "kaitstud.txt", kOld);
       Own(folder / "kaitstud.txt", kNobody, kNobody, 0444);
       return Save{folder / "kaitstud.txt", folder / "kaitstud.txt"};
     },
     ERROR_FILE_READ_ONLY, KeptAsItWas},
    {"root too is refused a file of mode 444", As::kRoot,
     [](const fs::path& folder) {
       WriteBytes(folder / "444.txt", kOld);
       Own(folder / "444.txt", 0, 0, 0444);
       return Save{folder / "444.txt", folder / "444.txt"};
     },
     ERROR_FILE_READ_ONLY, KeptAsItWas},
    {"root too is refused a file of mode 000", As::kRoot,
     [](const fs::path& folder) {
       WriteBytes(folder / "000.txt", kOld);
       Own(folder / "000.txt", 0, 0, 0);
       return Save{folder / "000.txt", folder / "000.txt"};
     },
     ERROR_FILE_READ_ONLY, KeptAsItWas},
    {"another's file that one may not write is refused", As::kNobody,
     [](const fs::path& folder) {
       WriteBytes(folder / "võõras.txt", kOld);
       Own(folder / "võõras.txt", 0, 0, 0644);
       return Save{folder / "võõras.txt", folder / "võõras.txt"};
     },
     ERROR_ACCESS_DENIED, KeptAsItWas},
    {"an ACL stays exactly, a denial included, and the group gains nothing", As::kRoot,
     [](const fs::path& folder) {
       Save save{folder / "acl.txt", folder / "acl.txt"};
       WriteBytes(save.holder, kOld);
       chmod(save.holder.c_str(), 0600);
       if (!Run("setfacl -m u:daemon:r,u:nobody:--- '" + save.holder.string() + "'")) {
         save.skip = "no ACLs on this file system";
       }
       return save;
     },
     0,
     [](const Save& save, const struct stat& before) {
       EXPECT_EQ(Stat(save.holder).st_mode, before.st_mode);
       EXPECT_EQ(Output("getfacl --omit-header --absolute-names '" + save.holder.string() + "'"),
                 "user::rw-\nuser:daemon:r--\nuser:nobody:---\ngroup::---\nmask::r--\n"
                 "other::---\n\n");
     }},
    {"extended attributes stay", As::kRoot,
     [](const fs::path& folder) {
       Save save{folder / "xattr.txt", folder / "xattr.txt"};
       WriteBytes(save.holder, kOld);
       if (!Run("setfattr -n user.ombrix -v märge '" + save.holder.string() + "'")) {
         save.skip = "no user attributes on this file system";
       }
       return save;
     },
     0,
     [](const Save& save, const struct stat&) {
       EXPECT_EQ(Attribute(save.holder, "user.ombrix"), "märge");
     }},
    {"an attribute the user may not set: written in place, the attribute kept", As::kNobody,
     [](const fs::path& folder) {
       fs::create_directory(folder / "oma");
       Own(folder / "oma", kNobody, kNobody, 0755);
       Save save{folder / "oma/turve.txt", folder / "oma/turve.txt"};
       WriteBytes(save.holder, kOld);
       Own(save.holder, kNobody, kNobody, 0644);
       if (!Run("setfattr -n security.ombrix -v märge '" + save.holder.string() + "'")) {
         save.skip = "no security attributes on this file system";
       }
       return save;
     },
     0,
     [](const Save& save, const struct stat& before) {
       SameFile(save, before);
       EXPECT_EQ(Attribute(save.holder, "security.ombrix"), "märge");
     }},
    {"file flags stay", As::kRoot,
     [](const fs::path& folder) {
       Save save{folder / "lipud.txt", folder / "lipud.txt"};
       WriteBytes(save.holder, kOld);
       if (!Run("chattr +d +S +A '" + save.holder.string() + "'")) {
         save.skip = "no file flags on this file system";
       }
       return save;
     },
     0,
     [](const Save& save, const struct stat&) {
       int wanted = FS_NODUMP_FL | FS_SYNC_FL | FS_NOATIME_FL;
       EXPECT_EQ(Flags(save.holder) & wanted, wanted);
     }},
    {"a FIFO is refused at once", As::kRoot,
     [](const fs::path& folder) {
       EXPECT_EQ(mkfifo((folder / "toru.txt").c_str(), 0644), 0);
       return Save{folder / "toru.txt", folder / "toru.txt"};
     },
     ERROR_BAD_FILE_TYPE, KeptAsItWas},
    {"a folder is refused", As::kRoot,
     [](const fs::path& folder) {
       fs::create_directory(folder / "kaust.txt");
       return Save{folder / "kaust.txt", folder / "kaust.txt"};
     },
     ERROR_BAD_FILE_TYPE, KeptAsItWas},
    {"a link to a device is refused", As::kRoot,
     [](const fs::path& folder) {
       fs::create_symlink("/dev/null", folder / "seade.txt");
       return Save{folder / "seade.txt", "/dev/null"};
     },
     ERROR_BAD_FILE_TYPE, KeptAsItWas},
    {"a folder of mode 333 takes the file, though it cannot be synced", As::kNobody,
     [](const fs::path& folder) {
       fs::create_directory(folder / "333");
       WriteBytes(folder / "333/fail.txt", kOld);
       Own(folder / "333/fail.txt", kNobody, kNobody, 0644);
       Own(folder / "333", kNobody, kNobody, 0333);
       return Save{folder / "333/fail.txt", folder / "333/fail.txt"};
     },
     0, nullptr},
    {"a folder of mode 555: its writable file is written in place", As::kNobody,
     [](const fs::path& folder) {
       fs::create_directory(folder / "555");
       WriteBytes(folder / "555/fail.txt", kOld);
       Own(folder / "555/fail.txt", kNobody, kNobody, 0644);
       Own(folder / "555", kNobody, kNobody, 0555);
       return Save{folder / "555/fail.txt", folder / "555/fail.txt"};
     },
     0, SameFile},
    {"a folder of mode 555 takes no new file", As::kNobody,
     [](const fs::path& folder) {
       fs::create_directory(folder / "555");
       Own(folder / "555", kNobody, kNobody, 0555);
       return Save{folder / "555/uus.txt", folder / "555/uus.txt"};
     },
     ERROR_ACCESS_DENIED, nullptr},
    {"another's file in a shared folder is written in place, its owner kept", As::kNobody,
     [](const fs::path& folder) {
       fs::create_directory(folder / "ühine");
       Own(folder / "ühine", 0, kNobody, 0775);
       WriteBytes(folder / "ühine/fail.txt", kOld);
       Own(folder / "ühine/fail.txt", 0, kNobody, 0664);
       return Save{folder / "ühine/fail.txt", folder / "ühine/fail.txt"};
     },
     0,
     [](const Save& save, const struct stat& before) {
       SameFile(save, before);
       EXPECT_EQ(Stat(save.holder).st_uid, 0u);
     }},
    {"a file-size limit is an error of the write, the old text kept", As::kFileSizeLimit,
     [](const fs::path& folder) {
       WriteBytes(folder / "täis.txt", kOld);
       return Save{folder / "täis.txt", folder / "täis.txt"};
     },
     ERROR_FILE_TOO_LARGE, KeptAsItWas},
    {"a folder path of 300 bytes", As::kRoot,
     [](const fs::path& folder) {
       fs::path deep = DeepFolder(folder, 300);
       return Save{deep / "fail.txt", deep / "fail.txt"};
     },
     0, nullptr},
    {"a path of 4,000 bytes", As::kRoot,
     [](const fs::path& folder) {
       fs::path deep = DeepFolder(folder, 3990);
       return Save{deep / "fail.txt", deep / "fail.txt"};
     },
     0, nullptr},
    {"a name longer than the file system takes", As::kRoot,
     [](const fs::path& folder) {
       return Save{folder / (std::string(300, 'n') + ".txt"), folder / "puudub.txt"};
     },
     ERROR_FILENAME_EXCED_RANGE, nullptr},
    {"a Cyrillic folder", As::kRoot,
     [](const fs::path& folder) {
       fs::create_directory(folder / "Документы");
       return Save{folder / "Документы/отчёт.txt", folder / "Документы/отчёт.txt"};
     },
     0, nullptr},
    {"a name of 254 bytes", As::kRoot,
     [](const fs::path& folder) {
       std::string name;
       while (name.size() < 250) name += "ä";
       return Save{folder / (name + ".txt"), folder / (name + ".txt")};
     },
     0, nullptr},
};

void PrintTo(const Row& row, std::ostream* out) {
  *out << row.what;
}

class ReplaceFileTest : public testing::TestWithParam<Row> {};

TEST_P(ReplaceFileTest, HoldsTheTextOrKeepsTheOld) {
  const Row& row = GetParam();
  if (row.as == As::kNobody && geteuid() != 0) GTEST_SKIP() << "needs root, to act as nobody";
  char name[] = "/tmp/ombrix-save-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  fs::path folder = name;
  ASSERT_EQ(chmod(name, 0755), 0);
  Save save = row.prepare(folder);
  if (!save.skip.empty()) {
    fs::remove_all(folder);
    GTEST_SKIP() << save.skip;
  }
  struct stat before {};
  lstat(save.holder.c_str(), &before);
  std::string old = fs::is_regular_file(save.holder) ? FileBytes(save.holder) : "";

  ChildSave result = SaveInChild(save.path, kNew, row.as);
  EXPECT_TRUE(result.ran) << "the save ended the child";
  EXPECT_EQ(result.error, row.error);
  if (fs::is_regular_file(save.holder)) {
    std::string held = FileBytes(save.holder);
    EXPECT_TRUE(held == (row.error == 0 ? kNew : old)) << (held == kNew  ? "holds the new text"
                                                           : held == old ? "holds the old text"
                                                                         : held);
  }
  if (row.check) row.check(save, before);
  EXPECT_EQ(Leftovers(folder), 0);
  fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Rows, ReplaceFileTest, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& info) {
                           std::string name = info.param.what;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

// Another program of a user who may write in the folder keeps swapping
// links in for every name it sees there, while the file is saved a hundred
// times: only the chosen file ever changes, and it stays a file.
TEST(ReplaceFileRace, OnlyTheChosenFileChanges) {
  char name[] = "/tmp/ombrix-race-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  fs::path folder = name;
  const std::string secret = "saladus";
  WriteBytes(folder / "saladus.txt", secret);
  WriteBytes(folder / "valitud.txt", kOld);
  std::atomic<bool> done{false};
  std::thread intruder([&] {
    int swaps = 0;
    while (!done) {
      std::error_code ignored;
      for (const auto& entry : fs::directory_iterator(folder, ignored)) {
        std::string found = entry.path().filename();
        if (found == "valitud.txt" || found == "saladus.txt" || found.rfind("ära-", 0) == 0) {
          continue;
        }
        fs::path aside = folder / ("ära-" + std::to_string(++swaps));
        if (rename(entry.path().c_str(), aside.c_str()) == 0 &&
            symlink("saladus.txt", entry.path().c_str()) != 0) {
          ADD_FAILURE() << "no link planted at " << found;
        }
      }
    }
  });
  std::string last = kOld;
  int saved = 0;
  for (int i = 0; i < 100; ++i) {
    std::string text = "tekst " + std::to_string(i);
    if (ReplaceFileContents((folder / "valitud.txt").c_str(), text.data(), text.size())) {
      last = text;
      ++saved;
    }
  }
  done = true;
  intruder.join();
  EXPECT_EQ(FileBytes(folder / "saladus.txt"), secret);
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder / "valitud.txt")));
  EXPECT_EQ(FileBytes(folder / "valitud.txt"), last);
  EXPECT_GT(saved, 0);
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.path().filename() == "valitud.txt" || !fs::is_regular_file(entry.symlink_status())) {
      continue;
    }
    EXPECT_EQ(FileBytes(entry.path()).rfind("tekst ", 0), std::string::npos) << entry.path();
  }
  fs::remove_all(folder);
}

}  // namespace
