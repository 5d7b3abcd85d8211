// What the program's save and help commands hand the system on Windows.
//
// Saving: comdlg32's GetSaveFileNameW is replaced in this program's import
// table by a stand-in that records the request and answers with a name, so
// the test sees exactly what reaches the system's dialog (the flags without
// OFN_FILEMUSTEXIST, the texts whole) and that a name outside the system's
// code page is saved to.
//
// Help: a stand-in browser is registered for web pages; "Mis värk on ?!"
// must hand it the help page and return while it is still open.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/handles.h"
#include "app/save_report.h"
#include "app/show_help.h"

namespace fs = std::filesystem;

namespace {

// Points this program's import of function from module at replacement.
bool ReplaceImport(const char* module, const char* function, const void* replacement) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* from = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       from->Name != 0; ++from) {
    if (lstrcmpiA(reinterpret_cast<char*>(base + from->Name), module) != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + from->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + from->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* name = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<char*>(name->Name), function) != 0) continue;
      DWORD protection;
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
      return true;
    }
  }
  return false;
}

// What the stand-in dialog was asked, and the name it answers with (none:
// it is cancelled).
struct DialogRequest {
  int calls = 0;
  DWORD size = 0;
  DWORD flags = 0;
  std::wstring filters;
  std::wstring title;
  std::wstring extension;
  DWORD filterIndex = 0;
  DWORD maxFile = 0;
};
DialogRequest Asked;
std::wstring Answer;

BOOL WINAPI StandInDialog(LPOPENFILENAMEW request) {
  ++Asked.calls;
  Asked.size = request->lStructSize;
  Asked.flags = request->Flags;
  const wchar_t* end = request->lpstrFilter;
  while (*end != L'\0') end += wcslen(end) + 1;
  Asked.filters.assign(request->lpstrFilter, end);
  Asked.title = request->lpstrTitle;
  Asked.extension = request->lpstrDefExt;
  Asked.filterIndex = request->nFilterIndex;
  Asked.maxFile = request->nMaxFile;
  if (Answer.empty() || Answer.size() >= request->nMaxFile) return FALSE;
  wcscpy(request->lpstrFile, Answer.c_str());
  request->nFileOffset = static_cast<WORD>(Answer.rfind(L'\\') + 1);
  return TRUE;
}

class SaveDialogTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(ReplaceImport("comdlg32.dll", "GetSaveFileNameW",
                              reinterpret_cast<const void*>(&StandInDialog)));
  }
  void SetUp() override {
    Asked = {};
    Answer.clear();
  }
};

TEST_F(SaveDialogTest, TheSystemDialogGetsTheRequestWithoutFileMustExist) {
  SaveReport();
  ASSERT_EQ(Asked.calls, 1);
  struct Field {
    const char* what;
    DWORD got;
    DWORD expected;
  };
  const Field fields[] = {
      {"flags: 0x00281806 without OFN_FILEMUSTEXIST", Asked.flags, 0x00280806},
      {"the request's first form", Asked.size, OPENFILENAME_SIZE_VERSION_400W},
      {"the text files' filter", Asked.filterIndex, 1},
      {"the program's 512 bytes", Asked.maxFile, 512},
  };
  for (const Field& field : fields) EXPECT_EQ(field.got, field.expected) << field.what;
  constexpr wchar_t kFilters[] = L"Tekstifailid (*.txt)\0*.txt\0K\u00F5ik Failid (*.*)\0*.*\0";
  EXPECT_EQ(Asked.filters, std::wstring(kFilters, sizeof kFilters / sizeof kFilters[0] - 1));
  EXPECT_EQ(Asked.title, L"Salvesta see jutt kettale");
  EXPECT_EQ(Asked.extension, L"txt");
}

// A folder of Cyrillic letters, which no Western code page has, and a name
// with a letter of code page 1257 that the Russian one lacks.
TEST_F(SaveDialogTest, SavesIntoAFolderOutsideTheSystemsCodePage) {
  fs::path folder =
      fs::temp_directory_path() / L"\u0414\u043e\u043a\u0443\u043c\u0435\u043d\u0442\u044b";
  fs::remove_all(folder);
  fs::create_directory(folder);
  fs::path file = folder / L"aruanne \u00F5\u0161.txt";
  Answer = file.wstring();
  SaveReport();
  EXPECT_EQ(Asked.calls, 1);
  EXPECT_TRUE(fs::is_regular_file(file)) << "no file in the folder";
  EXPECT_EQ(fs::file_size(file), 0u) << "without a dialog, the report view is empty";
  fs::remove_all(folder);
}

// The stand-in browser, registered for .html pages while a test runs (in
// the machine's classes, which Wine reads; the test's Wine prefix is its
// own), with its log.
class HelpTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    folder_ = fs::path(program).parent_path();
    log_ = fs::temp_directory_path() / "ombrix-browser.log";
    fs::remove(log_);
    SetEnvironmentVariableW(L"OMBRIX_BROWSER_LOG", log_.c_str());
    std::wstring command = L"\"" + (folder_ / "stand_in_browser.exe").wstring() + L"\" \"%1\"";
    oldPage_ = ClassValue(kPageKey);
    SetClass(kPageKey, L"Ombrix.StandInPage");
    SetClass(kStandInKey, command);
    closing_ = CreateEventW(nullptr, TRUE, FALSE, L"OmbrixStandInBrowser");
  }
  void TearDown() override {
    SetEvent(closing_);
    if (Log().find("opened") != std::string::npos) WaitFor("closed");
    CloseHandle(closing_);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\Ombrix.StandInPage");
    if (oldPage_.empty()) {
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, kPageKey);
    } else {
      SetClass(kPageKey, oldPage_);
    }
    fs::remove(log_);
  }

  static constexpr const wchar_t* kPageKey = L"Software\\Classes\\.html";
  static constexpr const wchar_t* kStandInKey =
      L"Software\\Classes\\Ombrix.StandInPage\\shell\\open\\command";

  // The key's default value; empty when there is none.
  static std::wstring ClassValue(const wchar_t* key) {
    wchar_t value[256] = L"";
    DWORD size = sizeof value;
    RegGetValueW(HKEY_LOCAL_MACHINE, key, nullptr, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
  }

  static void SetClass(const wchar_t* key, const std::wstring& value) {
    HKEY opened;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, &opened,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(opened);
  }

  std::string Log() const {
    std::ifstream file(log_, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }

  // The log once it holds line, or after 20 seconds.
  std::string WaitFor(const std::string& line) const {
    for (int i = 0; i < 200 && Log().find(line + "\n") == std::string::npos; ++i) Sleep(100);
    return Log();
  }

  // The page the browser was given, from the log.
  std::string OpenedPage() const {
    std::string log = WaitFor("opened");
    size_t from = log.find("opened\n");
    if (from == std::string::npos) return "(not opened)";
    from += 7;
    return log.substr(from, log.find('\n', from) - from);
  }

  static std::string Bytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }

  fs::path folder_;
  fs::path log_;
  std::wstring oldPage_;
  HANDLE closing_ = nullptr;
};

const std::string kHelpSource = OMBRIX_SOURCE_DIR "/app/help/ombrix_help.html";

TEST_F(HelpTest, OpensTheCarriedPageAndReturnsAtOnce) {
  fs::remove(folder_ / "Ombrix.html");
  ShowHelp();
  std::string page = OpenedPage();
  EXPECT_EQ(Log().find("closed"), std::string::npos) << "the help waited for the browser";
  fs::path opened = fs::u8path(page);
  EXPECT_EQ(opened, (fs::temp_directory_path() / "Ombrix.html").lexically_normal());
  EXPECT_EQ(Bytes(opened), Bytes(kHelpSource)) << "the page is the program's help";
}

TEST_F(HelpTest, OpensThePageBesideTheProgram) {
  fs::copy_file(kHelpSource, folder_ / "Ombrix.html", fs::copy_options::overwrite_existing);
  ShowHelp();
  std::string page = OpenedPage();
  fs::remove(folder_ / "Ombrix.html");
  EXPECT_EQ(fs::u8path(page), folder_ / "Ombrix.html");
}

TEST_F(HelpTest, QuitOpensNothing) {
  EXPECT_TRUE(WinHelpA(MainDialog, kHelpFile, HELP_QUIT, 0));
  Sleep(1000);
  EXPECT_EQ(Log(), "");
}

}  // namespace
