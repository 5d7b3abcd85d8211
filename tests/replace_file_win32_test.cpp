// Saving on Windows, one row per kind of file: ReplaceFileW puts the new
// text in place (that it keeps the file's attributes and security is
// Windows' part, which Wine, where this runs, does not do); a read-only file
// and a folder are refused; a file of two names gets the text under both.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/replace_file.h"
#include "tests/support.h"

namespace fs = std::filesystem;

namespace {

const std::string kOld = "vana tekst";
const std::string kNew = "Uus tekst: \xF5\xE4\xF6\xFC \xD0\xDE\r\n";

struct Row {
  const char* what;
  std::function<fs::path(const fs::path& folder)> prepare;  // the name saved
  bool saved;
  std::function<void(const fs::path& saved)> check;
};

const Row kRows[] = {
    {"a new file", [](const fs::path& folder) { return folder / "uus.txt"; }, true, nullptr},
    {"an existing file is replaced",
     [](const fs::path& folder) {
       WriteBytes((folder / "vana.txt").string(), kOld);
       return folder / "vana.txt";
     },
     true, nullptr},
    {"a file of two names gets the text under both",
     [](const fs::path& folder) {
       WriteBytes((folder / "yks.txt").string(), kOld);
       fs::create_hard_link(folder / "yks.txt", folder / "teine.txt");
       return folder / "yks.txt";
     },
     true,
     [](const fs::path& saved) {
       EXPECT_EQ(FileBytes((saved.parent_path() / "teine.txt").string()), kNew);
     }},
    {"a read-only file is refused",
     [](const fs::path& folder) {
       WriteBytes((folder / "kaitstud.txt").string(), kOld);
       SetFileAttributesA((folder / "kaitstud.txt").string().c_str(), FILE_ATTRIBUTE_READONLY);
       return folder / "kaitstud.txt";
     },
     false, nullptr},
    {"a folder is refused",
     [](const fs::path& folder) {
       fs::create_directory(folder / "kaust.txt");
       return folder / "kaust.txt";
     },
     false, nullptr},
};

TEST(ReplaceFileWin32, HoldsTheTextOrKeepsTheOld) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.what);
    fs::path folder = fs::temp_directory_path() / "ombrix-save-test";
    fs::remove_all(folder);
    fs::create_directory(folder);
    fs::path path = row.prepare(folder);
    std::string old = fs::is_regular_file(path) ? FileBytes(path.string()) : "(no file)";
    EXPECT_EQ(ReplaceFileContents(path.string().c_str(), kNew.data(), kNew.size()), row.saved);
    if (!fs::is_directory(path)) {
      EXPECT_EQ(FileBytes(path.string()), row.saved ? kNew : old);
    }
    if (row.check) row.check(path);
    for (const auto& entry : fs::directory_iterator(folder)) {
      EXPECT_EQ(entry.path().filename().string().find(".ombrix-"), std::string::npos);
    }
    for (const auto& entry : fs::directory_iterator(folder)) {
      SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    fs::remove_all(folder);
  }
}

}  // namespace
