// The save error box on Windows, and the reasons that saving gives there:
// each reason's sentence with the error icon, read from the system's own
// message box, and the last error of the refusals that Wine can produce.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

#include "app/save_error.h"
#include "platform/replace_file.h"
#include "tests/support.h"

namespace fs = std::filesystem;

namespace {

struct Shown {
  std::wstring caption;
  std::wstring text;
  bool icon = false;
};

BOOL CALLBACK FindIcon(HWND child, LPARAM found) {
  wchar_t type[16] = {};
  GetClassNameW(child, type, 16);
  if (std::wstring(type) == L"Static" &&
      (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
      SendMessageW(child, STM_GETICON, 0, 0) != 0) {
    *reinterpret_cast<bool*>(found) = true;
  }
  return TRUE;
}

// Shows the box for error, reads it from another thread and closes it.
Shown ShowAndRead(const char* path, DWORD error) {
  Shown shown;
  std::thread reader([&shown] {
    for (int look = 0; look < 500; ++look) {
      HWND box = FindWindowW(L"#32770", L"Viga");
      if (box != nullptr) {
        wchar_t text[1024] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 1024);
        shown.text = text;
        shown.caption = L"Viga";
        EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&shown.icon));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(20);
    }
  });
  ShowSaveError(path, error);
  reader.join();
  return shown;
}

struct Reason {
  DWORD error;
  const wchar_t* sentence;
};

const Reason kReasons[] = {
    {ERROR_FILE_READ_ONLY,
     L"Fail on kirjutuskaitstud: salvestage teise nime all v\u00F5i eemaldage faililt "
     L"kirjutuskaitse."},
    {ERROR_ACCESS_DENIED,
     L"Teil pole \u00F5igust sellesse faili v\u00F5i kausta kirjutada: valige kaust, kuhu teil on "
     L"kirjutus\u00F5igus, n\u00E4iteks oma kodukaust."},
    {ERROR_BAD_FILE_TYPE,
     L"Selle nime all on kaust, seade, toru v\u00F5i viide, mitte tavaline fail: valige teine "
     L"nimi."},
    {ERROR_DISK_FULL,
     L"Kettal pole piisavalt vaba ruumi: vabastage ruumi v\u00F5i salvestage teisele kettale."},
    {ERROR_FILENAME_EXCED_RANGE,
     L"Faili nimi v\u00F5i asukoht on liiga pikk: valige l\u00FChem nimi v\u00F5i kaust, mis asub "
     L"ketta juurele l\u00E4hemal."},
};

TEST(SaveErrorBox, EachReasonHasItsSentenceAndTheErrorIcon) {
  for (const Reason& reason : kReasons) {
    Shown shown = ShowAndRead("C:\\aruanne.txt", reason.error);
    EXPECT_TRUE(shown.icon) << reason.error;
    EXPECT_EQ(shown.text, std::wstring(L"Faili \u201EC:\\aruanne.txt\u201C ei \u00F5nnestunud "
                                       L"salvestada.\n") +
                              reason.sentence)
        << reason.error;
  }
}

// Any other reason: the system's own message for it.
TEST(SaveErrorBox, AnyOtherReasonGivesTheSystemsMessage) {
  wchar_t message[512] = {};
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                ERROR_SHARING_VIOLATION, 0, message, 512, nullptr);
  while (length > 0 && (message[length - 1] == L'\r' || message[length - 1] == L'\n' ||
                        message[length - 1] == L' ')) {
    message[--length] = 0;
  }
  ASSERT_GT(length, 0u);
  Shown shown = ShowAndRead("C:\\aruanne.txt", ERROR_SHARING_VIOLATION);
  EXPECT_TRUE(shown.icon);
  EXPECT_NE(shown.text.find(std::wstring(L"S\u00FCsteemi teade: ") + message), std::wstring::npos)
      << "no system message in the box";
}

// The refusals that Wine lets a test produce leave the reason that the box
// turns into its sentence.
TEST(SaveErrorReasons, RefusalsLeaveTheirReason) {
  fs::path folder = fs::temp_directory_path() / ("ombrix-reason-" + std::to_string(GetTickCount()));
  fs::create_directories(folder);
  std::string text = "uus";

  WriteBytes((folder / "kaitstud.txt").string(), "vana");
  SetFileAttributesA((folder / "kaitstud.txt").string().c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(
      ReplaceFileContents((folder / "kaitstud.txt").string().c_str(), text.data(), text.size()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_READ_ONLY));
  SetFileAttributesA((folder / "kaitstud.txt").string().c_str(), FILE_ATTRIBUTE_NORMAL);

  fs::create_directory(folder / "kaust.txt");
  EXPECT_FALSE(
      ReplaceFileContents((folder / "kaust.txt").string().c_str(), text.data(), text.size()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_FILE_TYPE));

  fs::remove_all(folder);
}

}  // namespace
