// Saving while something else happens: another user planting links at the
// chosen name, a kill at any moment of a long save, and two saves of one
// file at once.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include "platform/replace_file.h"
#include "tests/save_child.h"
#include "tests/support.h"

namespace fs = std::filesystem;

namespace {

fs::path ScratchFolder() {
  char name[] = "/tmp/ombrix-race-XXXXXX";
  EXPECT_NE(mkdtemp(name), nullptr);
  chmod(name, 0755);
  return name;
}

// Another user keeps making the chosen name a link to a secret file and
// taking it away again, in a shared sticky folder as /tmp is: every save of
// root either makes a file of its own there or is refused, and the secret
// never changes.
TEST(ReplaceFileRace, ALinkPlantedAtTheChosenNameIsNeverFollowed) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root, to plant links as nobody";
  fs::path folder = ScratchFolder();
  const std::string secret = "saladus";
  WriteBytes(folder / "saladus.txt", secret);
  fs::create_directory(folder / "jagatud");
  chmod((folder / "jagatud").c_str(), 01777);
  fs::path chosen = folder / "jagatud/valitud.txt";
  pid_t planter = fork();
  if (planter == 0) {
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(2);
    for (;;) {
      if (symlink("../saladus.txt", chosen.c_str()) == 0) unlink(chosen.c_str());
    }
  }
  int saved = 0, refused = 0;
  for (int i = 0; i < 2000; ++i) {
    std::string text = "tekst " + std::to_string(i);
    if (ReplaceFileContents(chosen.c_str(), text.data(), text.size())) {
      ++saved;
      EXPECT_EQ(FileBytes(chosen), text);
      unlink(chosen.c_str());
    } else {
      ++refused;
    }
  }
  kill(planter, SIGKILL);
  waitpid(planter, nullptr, 0);
  EXPECT_EQ(FileBytes(folder / "saladus.txt"), secret);
  EXPECT_GT(saved, 0);
  RecordProperty("refused", refused);
  fs::remove_all(folder);
}

// A save killed at a random moment leaves the old text whole or the new
// text whole in the file, or, where it was writing into the file itself,
// the old text whole in its private folder beside it.
class ReplaceFileKill : public testing::TestWithParam<bool> {};

TEST_P(ReplaceFileKill, TheOldTextStaysWholeSomewhere) {
  bool inPlace = GetParam();
  const std::string oldText(4 << 20, 'v');
  const std::string newText(3 << 20, 'u');
  fs::path folder = ScratchFolder();
  fs::path file = folder / "aruanne.txt";
  std::mt19937 random{std::random_device{}()};
  auto start = [&] {
    pid_t child = fork();
    if (child == 0) {
      _exit(ReplaceFileContents(file.c_str(), newText.data(), newText.size()) ? 0 : 1);
    }
    return child;
  };
  auto prepare = [&] {
    fs::remove_all(folder);
    fs::create_directory(folder);
    WriteBytes(file, oldText);
    if (inPlace) fs::create_hard_link(file, folder / "teine.txt");
  };
  prepare();
  auto began = std::chrono::steady_clock::now();
  int status = 0;
  waitpid(start(), &status, 0);
  auto whole = std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::steady_clock::now() - began)
                   .count();
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  int halfWritten = 0;
  for (int round = 0; round < 20; ++round) {
    prepare();
    pid_t child = start();
    usleep(static_cast<useconds_t>(random() % (whole + 1)));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    std::string held = FileBytes(file);
    if (held == oldText || held == newText) continue;
    ++halfWritten;
    ASSERT_TRUE(inPlace) << "a renamed save left the file half written";
    bool copyKept = false;
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.path().filename().string().find(".ombrix-") == std::string::npos) continue;
      copyKept = copyKept || FileBytes(entry.path() / "aruanne.txt") == oldText;
    }
    EXPECT_TRUE(copyKept) << "round " << round << ": the file is half written, no copy kept";
  }
  RecordProperty("half_written", halfWritten);
  fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Ways, ReplaceFileKill, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "written_in_place" : "renamed";
                         });

// Two saves of a file of two names (written into the file itself) at the
// same moment: both succeed, one after the other, and the file holds one
// of the two texts whole.
TEST(ReplaceFileLock, TwoSavesAtOnceLeaveOneTextWhole) {
  fs::path folder = ScratchFolder();
  fs::path file = folder / "ühine.txt";
  WriteBytes(file, "vana");
  fs::create_hard_link(file, folder / "teine.txt");
  const std::string first(1 << 20, 'a'), second((1 << 20) - 7, 'b');
  for (int round = 0; round < 30; ++round) {
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    pid_t savers[2];
    for (int i = 0; i < 2; ++i) {
      savers[i] = fork();
      if (savers[i] == 0) {
        char byte;
        close(go[1]);
        if (read(go[0], &byte, 1) != 0) _exit(2);
        const std::string& text = i == 0 ? first : second;
        _exit(ReplaceFileContents(file.c_str(), text.data(), text.size()) ? 0 : 1);
      }
    }
    close(go[0]);
    close(go[1]);  // both start
    for (pid_t saver : savers) {
      int status = 0;
      waitpid(saver, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
    }
    std::string held = FileBytes(file);
    ASSERT_TRUE(held == first || held == second) << "round " << round << ": " << held.size();
  }
  fs::remove_all(folder);
}

}  // namespace
