// Saving: the user names a file in the save dialog, and the text that the
// report view holds at that moment (the introduction, a report, the user's
// edits) is written into it.
//
// Three things go beyond a plain write of the view's first 65,534 characters
// into the named file, because that would lose data or break the file: the
// whole text is saved, however long; it replaces the file's contents the way
// the system does that best (platform/replace_file.h), so that a write that
// fails leaves the old text as it was and the file keeps what makes it that
// file (its links, owner and permissions); and a file that does not receive
// the text is reported in a message box that says why (app/save_error.h)
// rather than passed over.
#include "app/save_report.h"

#include <windows.h>

#include <memory>
#include <new>

#include "app/handles.h"
#include "app/resource.h"
#include "app/save_error.h"
#include "platform/replace_file.h"
#include "tables/buffers.h"

namespace {

constexpr int kFileNameSize = 512;

// Ask before replacing a file, no read-only check box, only existing
// folders, Explorer style, long names: 0x00281806. OFN_FILEMUSTEXIST is
// documented for open dialogs only; a save dialog still accepts the name of
// a file that does not exist yet.
constexpr DWORD kSaveFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                             OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_LONGNAMES;

// Pairs of description and pattern, ended by an empty string; "K\xF5ik" is
// "Kõik" in code page 1257.
constexpr char kFilters[] = "Tekstifailid (*.txt)\0*.txt\0K\xF5ik Failid (*.*)\0*.*\0";
constexpr char kTitle[] = "Salvesta see jutt kettale";
constexpr char kDefaultExtension[] = "txt";

// The whole text of the report view, up to its first NUL, with its length
// in bytes. A text that fits goes through ReportText, as every text of the
// program does; a longer one through a buffer of its own size, held by
// *large. nullptr when that buffer cannot be had.
const char* ReadReportView(std::unique_ptr<char[]>* large, DWORD* length) {
  int size = GetWindowTextLengthA(GetDlgItem(MainDialog, IDC_REPORT_VIEW)) + 1;
  char* text = ReportText;
  if (size > kTextBufferSize) {
    large->reset(new (std::nothrow) char[size]);
    if (*large == nullptr) return nullptr;
    text = large->get();
  } else {
    size = kTextBufferSize;
  }
  GetDlgItemTextA(MainDialog, IDC_REPORT_VIEW, text, size);
  *length = static_cast<DWORD>(lstrlenA(text));
  return text;
}

}  // namespace

bool SaveReport() {
  char fileName[kFileNameSize];
  lstrcpyA(fileName, "");
  OPENFILENAMEA request = {};
  request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  request.hwndOwner = MainDialog;
  request.hInstance = AppInstance;
  request.lpstrFilter = kFilters;
  request.nFilterIndex = 1;
  request.lpstrFile = fileName;
  request.nMaxFile = sizeof fileName;
  request.lpstrTitle = kTitle;
  request.Flags = kSaveFlags;
  request.lpstrDefExt = kDefaultExtension;
  if (!GetSaveFileNameA(&request)) return false;

  std::unique_ptr<char[]> large;
  DWORD length = 0;
  const char* text = ReadReportView(&large, &length);
  if (text == nullptr) {
    ShowSaveError(fileName, ERROR_NOT_ENOUGH_MEMORY);
    return false;
  }
  if (!ReplaceFileContents(fileName, text, length)) {
    ShowSaveError(fileName, GetLastError());
    return false;
  }
  SendDlgItemMessageA(MainDialog, IDC_REPORT_VIEW, EM_SETMODIFY, FALSE, 0);
  return true;
}
