// Saving over a scratch folder, one row per kind of file and folder: what
// holds the text afterwards, what stays as it was, and that nothing of the
// program's is left behind. Every save runs in a child process; the rows
// about permissions save there as an ordinary user (nobody), since root may
// write anything, and are skipped when the tests do not run as root.
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "platform/replace_file.h"
#include "tests/support.h"

namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;  // and nogroup
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

enum class As { kRoot, kNobody, kFileSizeLimit };

struct Save {
  fs::path path;    // the name saved
  fs::path holder;  // the file that must hold the text, or keep the old one
};

struct Row {
  const char* what;
  As as;
  std::function<Save(const fs::path& folder)> prepare;
  bool saved;
  // What else holds afterwards; before is the holder's state before the save.
  std::function<void(const Save& save, const struct stat& before)> check;
};

// The save in a child process, as the row says.
bool SaveInChild(const fs::path& path, As as) {
  pid_t child = fork();
  if (child == 0) {
    if (as == As::kNobody &&
        (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
      _exit(2);
    }
    if (as == As::kFileSizeLimit) {
      signal(SIGXFSZ, SIG_IGN);
      rlimit limit = {1000, 1000};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    _exit(ReplaceFileContents(path.c_str(), kNew.data(), kNew.size()) ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) < 2) << "the save as nobody did not run";
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

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
     true,
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
     true,
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
     true,
     [](const Save& save, const struct stat&) {
       EXPECT_EQ(fs::read_symlink(save.path), "all/samm.txt");
       EXPECT_TRUE(fs::is_symlink(save.path.parent_path() / "all/samm.txt"));
     }},
    {"a link to nothing makes the file it names", As::kRoot,
     [](const fs::path& folder) {
       fs::create_symlink("tulevane.txt", folder / "viide.txt");
       return Save{folder / "viide.txt", folder / "tulevane.txt"};
     },
     true, [](const Save& save, const struct stat&) { EXPECT_TRUE(fs::is_symlink(save.path)); }},
    {"a hard link shares the new text", As::kRoot,
     [](const fs::path& folder) {
       WriteBytes(folder / "üks.txt", kOld);
       fs::create_hard_link(folder / "üks.txt", folder / "teine.txt");
       return Save{folder / "üks.txt", folder / "teine.txt"};
     },
     true, SameFile},
    {"a read-only file is refused", As::kNobody,
     [](const fs::path& folder) {
       WriteBytes(folder / "kaitstud.txt", kOld);
       Own(folder / "kaitstud.txt", kNobody, kNobody, 0444);
       return Save{folder / "kaitstud.txt", folder / "kaitstud.txt"};
     },
     false, KeptAsItWas},
    {"a FIFO is refused at once", As::kRoot,
     [](const fs::path& folder) {
       EXPECT_EQ(mkfifo((folder / "toru.txt").c_str(), 0644), 0);
       return Save{folder / "toru.txt", folder / "toru.txt"};
     },
     false, KeptAsItWas},
    {"a folder is refused", As::kRoot,
     [](const fs::path& folder) {
       fs::create_directory(folder / "kaust.txt");
       return Save{folder / "kaust.txt", folder / "kaust.txt"};
     },
     false, KeptAsItWas},
    {"a link to a device is refused", As::kRoot,
     [](const fs::path& folder) {
       fs::create_symlink("/dev/null", folder / "seade.txt");
       return Save{folder / "seade.txt", "/dev/null"};
     },
     false, KeptAsItWas},
    {"a folder of mode 333 takes the file, though it cannot be synced", As::kNobody,
     [](const fs::path& folder) {
       fs::create_directory(folder / "333");
       WriteBytes(folder / "333/fail.txt", kOld);
       Own(folder / "333/fail.txt", kNobody, kNobody, 0644);
       Own(folder / "333", kNobody, kNobody, 0333);
       return Save{folder / "333/fail.txt", folder / "333/fail.txt"};
     },
     true, nullptr},
    {"a folder of mode 555: its writable file is written in place", As::kNobody,
     [](const fs::path& folder) {
       fs::create_directory(folder / "555");
       WriteBytes(folder / "555/fail.txt", kOld);
       Own(folder / "555/fail.txt", kNobody, kNobody, 0644);
       Own(folder / "555", kNobody, kNobody, 0555);
       return Save{folder / "555/fail.txt", folder / "555/fail.txt"};
     },
     true, SameFile},
    {"a folder of mode 555 takes no new file", As::kNobody,
     [](const fs::path& folder) {
       fs::create_directory(folder / "555");
       Own(folder / "555", kNobody, kNobody, 0555);
       return Save{folder / "555/uus.txt", folder / "555/uus.txt"};
     },
     false, nullptr},
    {"another's file in a shared folder is written in place, its owner kept", As::kNobody,
     [](const fs::path& folder) {
       fs::create_directory(folder / "ühine");
       Own(folder / "ühine", 0, kNobody, 0775);
       WriteBytes(folder / "ühine/fail.txt", kOld);
       Own(folder / "ühine/fail.txt", 0, kNobody, 0664);
       return Save{folder / "ühine/fail.txt", folder / "ühine/fail.txt"};
     },
     true,
     [](const Save& save, const struct stat& before) {
       SameFile(save, before);
       EXPECT_EQ(Stat(save.holder).st_uid, 0u);
     }},
    {"a full disk keeps the old text", As::kFileSizeLimit,
     [](const fs::path& folder) {
       WriteBytes(folder / "täis.txt", kOld);
       return Save{folder / "täis.txt", folder / "täis.txt"};
     },
     false, KeptAsItWas},
    {"a folder path of 300 bytes", As::kRoot,
     [](const fs::path& folder) {
       fs::path deep = DeepFolder(folder, 300);
       return Save{deep / "fail.txt", deep / "fail.txt"};
     },
     true, nullptr},
    {"a path of 4,000 bytes", As::kRoot,
     [](const fs::path& folder) {
       fs::path deep = DeepFolder(folder, 3990);
       return Save{deep / "fail.txt", deep / "fail.txt"};
     },
     true, nullptr},
    {"a Cyrillic folder", As::kRoot,
     [](const fs::path& folder) {
       fs::create_directory(folder / "Документы");
       return Save{folder / "Документы/отчёт.txt", folder / "Документы/отчёт.txt"};
     },
     true, nullptr},
    {"a name of 254 bytes", As::kRoot,
     [](const fs::path& folder) {
       std::string name;
       while (name.size() < 250) name += "ä";
       return Save{folder / (name + ".txt"), folder / (name + ".txt")};
     },
     true, nullptr},
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
  struct stat before {};
  lstat(save.holder.c_str(), &before);
  std::string old = fs::is_regular_file(save.holder) ? FileBytes(save.holder) : "";

  EXPECT_EQ(SaveInChild(save.path, row.as), row.saved);
  if (fs::is_regular_file(save.holder)) {
    std::string held = FileBytes(save.holder);
    EXPECT_TRUE(held == (row.saved ? kNew : old)) << (held == kNew  ? "holds the new text"
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
