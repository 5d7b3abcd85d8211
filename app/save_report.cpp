// Saving: the user names a file in the save dialog, and the text that the
// report view holds at that moment (the introduction, a report, the user's
// edits) is written into it.
//
// Three things go beyond a plain write of the view's first 65,534 characters
// into the named file, because that would lose data: the whole text is
// saved, however long; the new file is written beside the chosen one under a
// temporary name and renamed over it only when it is complete, so a write
// that fails or is cut short leaves the old file as it was; and a file that
// cannot be written is reported in a message box rather than passed over.
#include "app/save_report.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <new>

#include "app/handles.h"
#include "app/resource.h"
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
constexpr char kTemporaryPrefix[] = "omb";

// "Faili „...“ ei õnnestunud salvestada." in code page 1257.
constexpr char kErrorCaption[] = "Viga";
constexpr char kErrorFormat[] = "Faili \x84%s\x93 ei \xF5nnestunud salvestada.";

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

// Writes the bytes into a new file in the folder of path (its first
// folderLength bytes) and renames that over path. Whatever fails, the new
// file goes again and path stays as it was.
bool WriteReplacing(const char* path, int folderLength, const char* text, DWORD length) {
  char folder[kFileNameSize];
  lstrcpynA(folder, path, folderLength + 1);
  char temporary[MAX_PATH];
  if (GetTempFileNameA(folder, kTemporaryPrefix, 0, temporary) == 0) return false;
  HANDLE file = CreateFileA(temporary, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  bool written = false;
  if (file != INVALID_HANDLE_VALUE) {
    DWORD count = 0;
    written =
        WriteFile(file, text, length, &count, nullptr) && count == length && FlushFileBuffers(file);
    written = CloseHandle(file) && written;
  }
  if (written && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileA(temporary);
  return false;
}

void ShowSaveError(const char* path) {
  char message[kFileNameSize + sizeof kErrorFormat];
  std::snprintf(message, sizeof message, kErrorFormat, path);
  MessageBoxA(MainDialog, message, kErrorCaption, MB_OK);
}

}  // namespace

void SaveReport() {
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
  if (!GetSaveFileNameA(&request)) return;

  std::unique_ptr<char[]> large;
  DWORD length = 0;
  const char* text = ReadReportView(&large, &length);
  if (text == nullptr || !WriteReplacing(fileName, request.nFileOffset, text, length)) {
    ShowSaveError(fileName);
  }
}
