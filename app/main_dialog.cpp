#include "app/main_dialog.h"

#include <cstdint>

#include "app/about_box.h"
#include "app/build_report.h"
#include "app/handles.h"
#include "app/resource.h"
#include "app/save_report.h"
#include "app/show_help.h"
#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tables/text_table.h"

namespace {

constexpr UINT kSimpleBeep = 0xFFFFFFFF;
constexpr char kCloseQuestion[] = "Kas salvestada muudatused enne sulgemist?";
constexpr char kCloseCaption[] = "Ombrix";

// The buttons that keep their distance from the right edge, in the order
// their positions are kept.
constexpr int kRightButtons[] = {IDCANCEL, IDC_HELP_BUTTON, IDC_SAVE_BUTTON};
constexpr int kRightButtonCount = sizeof kRightButtons / sizeof kRightButtons[0];

// The geometry at initialisation, in pixels, from which every relayout and
// the minimum size are computed. Positions are top-left corners of outer
// window rectangles in client coordinates; sizes are outer sizes.
struct DialogLayout {
  int32_t minTrackWidth;  // the dialog's outer size at initialisation
  int32_t minTrackHeight;
  int32_t clientWidth;  // its client size at initialisation
  int32_t clientHeight;
  POINT rightButtons[kRightButtonCount];
  int32_t reportWidth;  // the report view never moves
  int32_t reportHeight;
  int32_t statusLeft;
  int32_t statusTop;
  int32_t statusWidth;
  int32_t statusHeight;
};

DialogLayout LayoutMetrics;

// The text control that the "Tekst" menu acts on: the one that had the
// keyboard focus last.
int32_t EditTarget;

// The edit commands of the "Tekst" menu and the messages they send.
struct EditCommand {
  int command;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

constexpr EditCommand kEditCommands[] = {
    {IDM_UNDO, WM_UNDO, 0, 0},   {IDM_CUT, WM_CUT, 0, 0},      {IDM_COPY, WM_COPY, 0, 0},
    {IDM_PASTE, WM_PASTE, 0, 0}, {IDM_DELETE, WM_CLEAR, 0, 0}, {IDM_SELECT_ALL, EM_SETSEL, 0, -1},
};

RECT WindowRectOf(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return rect;
}

POINT TopLeftInClient(HWND dialog, int id) {
  RECT rect = WindowRectOf(GetDlgItem(dialog, id));
  POINT corner = {rect.left, rect.top};
  ScreenToClient(dialog, &corner);
  return corner;
}

BOOL OnInitDialog(HWND dialog) {
  MainDialog = dialog;
  EditTarget = IDC_REPORT_VIEW;

  RECT client;
  GetClientRect(dialog, &client);
  LayoutMetrics.clientWidth = client.right;
  LayoutMetrics.clientHeight = client.bottom;
  RECT outer = WindowRectOf(dialog);
  LayoutMetrics.minTrackWidth = outer.right - outer.left;
  LayoutMetrics.minTrackHeight = outer.bottom - outer.top;
  for (int i = 0; i < kRightButtonCount; ++i) {
    LayoutMetrics.rightButtons[i] = TopLeftInClient(dialog, kRightButtons[i]);
  }
  RECT report = WindowRectOf(GetDlgItem(dialog, IDC_REPORT_VIEW));
  LayoutMetrics.reportWidth = report.right - report.left;
  LayoutMetrics.reportHeight = report.bottom - report.top;
  RECT status = WindowRectOf(GetDlgItem(dialog, IDC_STATUS_BAR));
  LayoutMetrics.statusWidth = status.right - status.left;
  LayoutMetrics.statusHeight = status.bottom - status.top;
  POINT statusCorner = TopLeftInClient(dialog, IDC_STATUS_BAR);
  LayoutMetrics.statusLeft = statusCorner.x;
  LayoutMetrics.statusTop = statusCorner.y;

  LoadTextTable(ReportText, kTextBufferSize, kIntroductionTableId);
  SetDlgItemTextA(dialog, IDC_REPORT_VIEW, ReportText);
  SendDlgItemMessageA(dialog, IDC_REPORT_VIEW, EM_SETMODIFY, FALSE, 0);
  return TRUE;
}

// Ends the dialog, but where the user has changed the report view since it
// was last built or saved, only after asking whether to save the edits:
// "Jah" saves and closes once the file holds the text, "Ei" closes without
// saving, "Loobu" (or a save that was cancelled or failed) stays.
void CloseDialog(HWND dialog) {
  if (SendDlgItemMessageA(dialog, IDC_REPORT_VIEW, EM_GETMODIFY, 0, 0) != 0) {
    int answer =
        MessageBoxA(dialog, kCloseQuestion, kCloseCaption, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL || (answer == IDYES && !SaveReport())) return;
  }
  EndDialog(dialog, 1);
}

// Moves the right-hand buttons with the right edge, stretches the report view
// with both edges and moves the status bar along the bottom edge, all from
// the metrics of initialisation, so that nothing accumulates. The status bar
// places itself there anyway, across the whole width (CCS_BOTTOM on Windows,
// the layer's bar alike): it overrides the rectangle given here, and being
// moved only makes it take its place again for the new size. A size reported
// before initialisation (no metrics yet) moves nothing. When minimised, the
// client is 0 x 0: sizes come out negative and the platform takes them as 0;
// the next size restores the layout.
BOOL OnSize(HWND dialog, LPARAM lParam) {
  const DialogLayout& m = LayoutMetrics;
  if (m.clientWidth == 0) return TRUE;
  int dx = LOWORD(lParam) - m.clientWidth;
  int dy = HIWORD(lParam) - m.clientHeight;
  for (int i = 0; i < kRightButtonCount; ++i) {
    SetWindowPos(GetDlgItem(dialog, kRightButtons[i]), nullptr, m.rightButtons[i].x + dx,
                 m.rightButtons[i].y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
  SetWindowPos(GetDlgItem(dialog, IDC_REPORT_VIEW), nullptr, 0, 0, m.reportWidth + dx,
               m.reportHeight + dy, SWP_NOMOVE | SWP_NOZORDER);
  SetWindowPos(GetDlgItem(dialog, IDC_STATUS_BAR), nullptr, m.statusLeft, m.statusTop + dy,
               m.statusWidth + dx, m.statusHeight, SWP_NOZORDER);
  return TRUE;
}

// The dialog cannot be made smaller than it opened (0 x 0 before that).
BOOL OnGetMinMaxInfo(LPARAM lParam) {
  MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
  info->ptMinTrackSize.x = LayoutMetrics.minTrackWidth;
  info->ptMinTrackSize.y = LayoutMetrics.minTrackHeight;
  return TRUE;
}

// Commands go by their id alone; the notification code counts only for ids
// that are not commands (EN_SETFOCUS of the text controls).
BOOL OnCommand(HWND dialog, WPARAM wParam) {
  int id = LOWORD(wParam);
  switch (id) {
    case IDOK:
      BuildReport();
      return TRUE;
    case IDCANCEL:
    case IDM_CLOSE:
      CloseDialog(dialog);
      return TRUE;
    case IDC_HELP_BUTTON:
    case IDM_HELP:
      ShowHelp();
      return TRUE;
    case IDC_SAVE_BUTTON:
    case IDM_SAVE:
      SaveReport();
      return TRUE;
    case IDM_ABOUT:
      ShowAboutBox();
      return TRUE;
    default:
      break;
  }
  for (const EditCommand& edit : kEditCommands) {
    if (edit.command == id) {
      SendDlgItemMessageA(MainDialog, EditTarget, edit.message, edit.wParam, edit.lParam);
      return TRUE;
    }
  }
  if (HIWORD(wParam) == EN_SETFOCUS) {
    EditTarget = id;
    return TRUE;
  }
  return FALSE;
}

// The "Appi !?" popup: the last on the menu bar, where Windows programs keep
// their help.
HMENU HelpPopup(HWND dialog) {
  HMENU last = nullptr;
  for (int i = 0; HMENU popup = GetSubMenu(GetMenu(dialog), i); ++i) last = popup;
  return last;
}

// A right click on the dialog itself beeps and opens the "Appi !?" popup at
// the cursor; a chosen item comes back as WM_COMMAND.
BOOL OnRightButtonUp(HWND dialog, LPARAM lParam) {
  MessageBeep(kSimpleBeep);
  HMENU popup = HelpPopup(dialog);
  POINT cursor = {LOWORD(lParam), HIWORD(lParam)};
  ClientToScreen(dialog, &cursor);
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0,
                 dialog, nullptr);
  return TRUE;
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(hDlg);
    case WM_SIZE:
      return OnSize(hDlg, lParam);
    case WM_GETMINMAXINFO:
      return OnGetMinMaxInfo(lParam);
    case WM_COMMAND:
      return OnCommand(hDlg, wParam);
    case WM_RBUTTONUP:
      return OnRightButtonUp(hDlg, lParam);
    case WM_CLOSE:
      CloseDialog(hDlg);
      return TRUE;
    case WM_DESTROY:
      // Tells the help viewer that the program no longer needs it.
      WinHelpA(MainDialog, kHelpFile, HELP_QUIT, 0);
      return FALSE;
    default:
      return FALSE;
  }
}
