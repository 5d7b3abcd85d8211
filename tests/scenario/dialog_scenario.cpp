// The main dialog as a person uses it, on the platform's own window system:
// the program runs from its WinMain, with the real MainDialogProc, and inside
// the dialog's modal loop the scenario types dates, presses OK, reads the
// report view back as the program reads it (GetDlgItemTextA) and compares it
// byte for byte with the report composed for the same date, saves it through
// the save dialog, answers the date error box, tabs round the controls,
// pastes text that code page 1257 lacks and saves it into a folder of
// Cyrillic name, copies each text control's text to the clipboard, resizes
// the dialog, edits the report view and closes it, which then asks first.
// Given a file, the report and the saved file must also be its bytes (what
// the Linux build's ombrix-report --raw prints). The program's result must
// be 1. Prints one line per check; exits with 0 when all passed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/handles.h"
#include "app/resource.h"
#include "date/birth_date.h"
#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tests/scenario/scenario_platform.h"
#include "tests/support.h"
#include "text/code_page.h"

namespace {

constexpr char kTemplateDate[] = "27. Oktoober 1980";
// Upper case, and a report whose previous life lies in "Kamtšatka".
constexpr char kReportDate[] = "1. DETSEMBER 1980";
constexpr char kRejectedDate[] = "32.10.1980";
// "Šš Žž Õõ Ää" in code page 1257: Š, š, Ž and ž are the letters whose bytes
// differ from those of the Western code page.
constexpr char kEstonianLetters[] = "\xD0\xF0 \xDE\xFE \xD5\xF5 \xC4\xE4";
// Cyrillic, o with a combining tilde, an emoji; as code page 1257 holds it.
constexpr char kPastedText[] =
    "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0 \xC3\xB5 o\xCC\x83 \xF0\x9F\x98\x80";
constexpr char kPastedBytes[] = "?????? \xF5 \xF5 ?";
// "Документы".
constexpr char kCyrillicFolder[] =
    "\xD0\x94\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82\xD1\x8B";
// About 20 seconds of watching.
constexpr int kWatchLimit = 1000;

int Failures = 0;
bool Acted = false;
int WatchCount = 0;

struct AnsweredBox {
  int count;
  std::string caption;
  std::string text;
};
AnsweredBox ErrorBox;
// The button that answers the next message box.
int Answer = IDOK;

// The report of kReportDate from a file, when one was named.
std::string ExpectedReport;

// While not empty, the save dialog is answered with this path (UTF-8).
std::string SavePath;
int SaveDialogs = 0;

void Check(bool passed, const std::string& what) {
  std::printf("%s: %s\n", passed ? "ok" : "FAILED", what.c_str());
  std::fflush(stdout);
  if (!passed) ++Failures;
}

// Byte comparison that names the first difference.
void CheckSame(const std::string& got, const std::string& expected, const std::string& what) {
  size_t at = 0;
  while (at < got.size() && at < expected.size() && got[at] == expected[at]) ++at;
  if (got == expected) {
    Check(true, what);
  } else {
    Check(false, what + " (" + std::to_string(got.size()) + " bytes, expected " +
                     std::to_string(expected.size()) + ", first difference at byte " +
                     std::to_string(at) + ")");
  }
}

std::string ItemText(int id) {
  static char text[kTextBufferSize];
  GetDlgItemTextA(MainDialog, id, text, sizeof text);
  return text;
}

std::string WithoutCr(std::string text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out += c;
  }
  return out;
}

// A control's outer rectangle in the dialog's client coordinates.
RECT ClientRectOf(int id) {
  RECT rect;
  GetWindowRect(GetDlgItem(MainDialog, id), &rect);
  POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
  ScreenToClient(MainDialog, &corners[0]);
  ScreenToClient(MainDialog, &corners[1]);
  return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

void CheckRect(int id, const RECT& got, const RECT& expected) {
  bool same = got.left == expected.left && got.top == expected.top && got.right == expected.right &&
              got.bottom == expected.bottom;
  Check(same, "control " + std::to_string(id) + " at " + Describe(got) + ", expected " +
                  Describe(expected));
}

void CheckStart() {
  CheckSame(ItemText(IDC_REPORT_VIEW), TableBytes(kIntroductionTableId),
            "the report view starts with the introduction");
  CheckSame(ItemText(IDC_BIRTH_DATE_INPUT), kTemplateDate, "the date input starts as templated");
}

// The dialog opens as its template says, in dialog units of its font at the
// screen's resolution: the client area and the controls; the status bar
// across the bottom edge, as high as the platform makes it (a pixel of it
// may lie below the edge where its dialog units are rounded up).
void CheckTemplateLayout() {
  struct Placed {
    int id;
    int x, y, cx, cy;
  };
  constexpr Placed kControls[] = {
      {IDOK, 268, 12, 50, 14},
      {IDCANCEL, 372, 12, 60, 16},
      {IDC_HELP_BUTTON, 372, 32, 60, 16},
      {IDC_SAVE_BUTTON, 372, 52, 60, 40},
      {IDC_REPORT_VIEW, 12, 52, 348, 164},
      {IDC_BIRTH_DATE_INPUT, 152, 12, 96, 12},
  };
  RECT client;
  GetClientRect(MainDialog, &client);
  RECT expected = TemplateToPixels(MainDialog, 0, 0, 440, 237);
  Check(client.right == expected.right && client.bottom == expected.bottom,
        "the client area is " + Describe(client) + ", 440 x 237 dialog units are " +
            Describe(expected));
  for (const Placed& c : kControls) {
    CheckRect(c.id, ClientRectOf(c.id), TemplateToPixels(MainDialog, c.x, c.y, c.cx, c.cy));
  }
  RECT status = ClientRectOf(IDC_STATUS_BAR);
  Check(status.left == 0 && status.right == client.right && status.top < client.bottom &&
            status.bottom >= client.bottom,
        "the status bar at " + Describe(status) + " spans the bottom edge");
}

// Each text control takes code page 1257 text, shows its letters and gives
// the same bytes back.
void CheckLetters() {
  for (int id : {IDC_BIRTH_DATE_INPUT, IDC_REPORT_VIEW}) {
    SetDlgItemTextA(MainDialog, id, kEstonianLetters);
    std::string name = "control " + std::to_string(id);
    CheckSame(ItemText(id), kEstonianLetters, name + " gives back the bytes of Š š Ž ž Õ õ Ä ä");
    CheckSame(ShownText(MainDialog, id), Utf8FromCodePage(kEstonianLetters),
              name + " shows Š š Ž ž Õ õ Ä ä");
  }
}

void CheckReport() {
  SetDlgItemTextA(MainDialog, IDC_BIRTH_DATE_INPUT, kReportDate);
  PressButton(MainDialog, IDOK);
  std::string shown = ShownText(MainDialog, IDC_REPORT_VIEW);
  std::string view = ItemText(IDC_REPORT_VIEW);
  // Composed on the program's buffers after the dialog is done with them.
  std::string expected = ComposedReport(kReportDate);
  CheckSame(view, expected, "OK puts the report of the date into the report view, byte for byte");
  CheckSame(shown, Utf8FromCodePage(expected), "the report view shows the report's letters");
  if (!ExpectedReport.empty()) {
    CheckSame(view, ExpectedReport, "the report view holds what ombrix-report --raw prints");
    CheckSame(shown, Utf8FromCodePage(ExpectedReport), "the report view shows it");
  }
  Check(shown.find("Kamt\xC5\xA1"
                   "atka") != std::string::npos,
        "the report shows \"Kamtšatka\"");
}

// The saved file holds the bytes the program reads from the report view:
// code page 1257 and CR LF, whatever the system's code page.
void CheckSave() {
  std::string path = (std::filesystem::temp_directory_path() / "ombrix-scenario.txt").string();
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  SavePath = path;
  PressButton(MainDialog, IDC_SAVE_BUTTON);
  SavePath.clear();
  Check(SaveDialogs == 1,
        "saving shows one save dialog (" + std::to_string(SaveDialogs) + " seen)");
  std::string saved = FileBytes(path);
  CheckSame(saved, ItemText(IDC_REPORT_VIEW), "the saved file holds the report view's bytes");
  if (!ExpectedReport.empty()) {
    CheckSame(saved, ExpectedReport, "the saved file is what ombrix-report --raw prints");
  }
  Check(saved.find("Kamt\xF0"
                   "atka") != std::string::npos,
        "the saved file has \"Kamtšatka\" in code page 1257");
  std::filesystem::remove(path, ignored);
}

std::string BytesOf(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  return file ? bytes.str() : "(no file)";
}

// Text that code page 1257 lacks, pasted ('Paste', then Ctrl+V) over the
// report, shows in the report view as it will be saved, and is saved so
// into a folder whose name the system's code page may lack; one 'Undo'
// brings back the text from before the paste, not the text before the
// replacement of what the code page lacks.
void CheckPaste() {
  namespace fs = std::filesystem;
  fs::path folder = fs::temp_directory_path() / fs::u8path(kCyrillicFolder);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  fs::create_directory(folder);
  fs::path path = folder / "aruanne.txt";
  for (bool withKey : {false, true}) {
    std::string how = withKey ? "Ctrl+V" : "'Paste'";
    SetDlgItemTextA(MainDialog, IDC_REPORT_VIEW, kTemplateDate);
    std::string before = ItemText(IDC_REPORT_VIEW);
    SetClipboardText(kPastedText);
    ClickInto(MainDialog, IDC_REPORT_VIEW);
    ChooseMenuItem(MainDialog, IDM_SELECT_ALL);
    if (withKey) {
      PressKey(MainDialog, 'V', true);
    } else {
      ChooseMenuItem(MainDialog, IDM_PASTE);
    }
    CheckSame(ShownText(MainDialog, IDC_REPORT_VIEW), Utf8FromCodePage(kPastedBytes),
              how + " shows what code page 1257 holds of the text");
    CheckSame(ItemText(IDC_REPORT_VIEW), kPastedBytes, how + " gives its bytes");
    fs::remove(path, ignored);
    std::u8string utf8 = path.u8string();
    SavePath.assign(utf8.begin(), utf8.end());
    PressButton(MainDialog, IDC_SAVE_BUTTON);
    SavePath.clear();
    CheckSame(BytesOf(path), kPastedBytes,
              "the file in \"Dokumenty\" holds what " + how + " shows");
    // Under Wine an undo does not take back a paste through WM_PASTE.
    if (withKey) {
      ChooseMenuItem(MainDialog, IDM_UNDO);
      CheckSame(ItemText(IDC_REPORT_VIEW), before,
                "one 'Undo' takes back what " + how + " brought");
    }
  }
  fs::remove_all(folder, ignored);
}

void CheckRejectedDate() {
  std::string before = ItemText(IDC_REPORT_VIEW);
  SetDlgItemTextA(MainDialog, IDC_BIRTH_DATE_INPUT, kRejectedDate);
  PressButton(MainDialog, IDOK);
  Check(ErrorBox.count == 1,
        "a rejected date shows one error box (" + std::to_string(ErrorBox.count) + " seen)");
  char caption[kDateTextSize];
  ComposeDateError(caption, sizeof caption);
  CheckSame(ErrorBox.caption, Utf8FromCodePage(caption), "the error box's caption");
  CheckSame(WithoutCr(ErrorBox.text), WithoutCr(Utf8FromCodePage(ReportText)),
            "the error box's message");
  CheckSame(ItemText(IDC_REPORT_VIEW), before, "a rejected date leaves the report view");
}

bool ReportViewChanged() {
  return SendDlgItemMessageA(MainDialog, IDC_REPORT_VIEW, EM_GETMODIFY, 0, 0) != 0;
}

// The report view counts as changed from a typed key until a report is
// built or the text is saved; closing with changes asks first, and
// "Loobu" stays. The final close then answers "Ei".
void CheckCloseAsks() {
  std::string path = (std::filesystem::temp_directory_path() / "ombrix-scenario.txt").string();
  ClickInto(MainDialog, IDC_REPORT_VIEW);
  PressKey(MainDialog, 'X');
  Check(ReportViewChanged(), "a typed key changes the report view");
  SavePath = path;
  PressButton(MainDialog, IDC_SAVE_BUTTON);
  SavePath.clear();
  Check(!ReportViewChanged(), "after saving, the report view counts as unchanged");
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  ClickInto(MainDialog, IDC_REPORT_VIEW);
  PressKey(MainDialog, 'X');
  SetDlgItemTextA(MainDialog, IDC_BIRTH_DATE_INPUT, kReportDate);
  PressButton(MainDialog, IDOK);
  Check(!ReportViewChanged(), "after a report, the report view counts as unchanged");
  ClickInto(MainDialog, IDC_REPORT_VIEW);
  PressKey(MainDialog, 'X');
  ErrorBox = {};
  Answer = IDCANCEL;
  PressCloseBox(MainDialog);
  Check(ErrorBox.count == 1,
        "closing after an edit asks first (" + std::to_string(ErrorBox.count) + " boxes seen)");
  CheckSame(ErrorBox.caption, "Ombrix", "the question's caption");
  CheckSame(ErrorBox.text, "Kas salvestada muudatused enne sulgemist?", "the question");
  Check(IsShown(MainDialog), "\"Loobu\" stays in the program");
  Answer = IDNO;
}

// Tab goes round the tab stops in template order, twice, and leaves the
// texts as they were.
void CheckTabOrder() {
  constexpr int kTabStops[] = {
      IDOK, IDCANCEL, IDC_HELP_BUTTON, IDC_SAVE_BUTTON, IDC_REPORT_VIEW, IDC_BIRTH_DATE_INPUT};
  std::string report = ItemText(IDC_REPORT_VIEW);
  std::string date = ItemText(IDC_BIRTH_DATE_INPUT);
  ClickInto(MainDialog, IDC_BIRTH_DATE_INPUT);
  std::string order;
  bool inOrder = true;
  for (int round = 0; round < 2; ++round) {
    for (int id : kTabStops) {
      PressKey(MainDialog, '\t');
      int focused = FocusedControl(MainDialog);
      order += ' ';
      order += std::to_string(focused);
      inOrder = inOrder && focused == id;
    }
  }
  Check(inOrder, "Tab goes round the tab stops twice in template order (" + order + " )");
  CheckSame(ItemText(IDC_REPORT_VIEW), report, "Tab leaves the report view's text");
  CheckSame(ItemText(IDC_BIRTH_DATE_INPUT), date, "Tab leaves the date input's text");
}

// 'Select all' and then 'Copy' or Ctrl+C put exactly the control's text on
// the clipboard, and nothing after it.
void CheckCopy() {
  for (int id : {IDC_BIRTH_DATE_INPUT, IDC_REPORT_VIEW}) {
    std::string name = "control " + std::to_string(id);
    ClickInto(MainDialog, id);
    ChooseMenuItem(MainDialog, IDM_SELECT_ALL);
    ChooseMenuItem(MainDialog, IDM_COPY);
    CheckSame(ClipboardText(), ShownText(MainDialog, id),
              "'Select all' and 'Copy' put the text of " + name + " on the clipboard");
    SetDlgItemTextA(MainDialog, id, kTemplateDate);
    ChooseMenuItem(MainDialog, IDM_SELECT_ALL);
    PressKey(MainDialog, 'C', true);
    CheckSame(ClipboardText(), kTemplateDate, "Ctrl+C does the same in " + name);
  }
}

// Enlarging the client by (dx, dy) moves the right-hand buttons by dx, grows
// the report view by both and moves the status bar down by dy, widening it
// by dx; OK and the date input stay. The opening size brings back the
// opening layout.
void CheckResize() {
  constexpr int kDx = 120;
  constexpr int kDy = 80;
  constexpr int ids[] = {IDOK,           IDCANCEL,        IDC_HELP_BUTTON,     IDC_SAVE_BUTTON,
                         IDC_STATUS_BAR, IDC_REPORT_VIEW, IDC_BIRTH_DATE_INPUT};
  constexpr int kCount = sizeof ids / sizeof ids[0];
  RECT client;
  GetClientRect(MainDialog, &client);
  RECT before[kCount];
  for (int i = 0; i < kCount; ++i) before[i] = ClientRectOf(ids[i]);

  ResizeClient(MainDialog, client.right + kDx, client.bottom + kDy);
  RECT larger;
  GetClientRect(MainDialog, &larger);
  Check(larger.right == client.right + kDx && larger.bottom == client.bottom + kDy,
        "the client grew by " + std::to_string(kDx) + " x " + std::to_string(kDy));
  for (int i = 0; i < kCount; ++i) {
    RECT r = before[i];
    switch (ids[i]) {
      case IDCANCEL:
      case IDC_HELP_BUTTON:
      case IDC_SAVE_BUTTON:
        r = {r.left + kDx, r.top, r.right + kDx, r.bottom};
        break;
      case IDC_REPORT_VIEW:
        r = {r.left, r.top, r.right + kDx, r.bottom + kDy};
        break;
      case IDC_STATUS_BAR:
        r = {r.left, r.top + kDy, r.right + kDx, r.bottom + kDy};
        break;
      default:
        break;
    }
    CheckRect(ids[i], ClientRectOf(ids[i]), r);
  }

  ResizeClient(MainDialog, client.right, client.bottom);
  for (int i = 0; i < kCount; ++i) CheckRect(ids[i], ClientRectOf(ids[i]), before[i]);
}

void Act() {
  Acted = true;
  CheckStart();
  CheckTemplateLayout();
  CheckLetters();
  CheckReport();
  CheckSave();
  CheckPaste();
  CheckRejectedDate();
  CheckTabOrder();
  CheckCopy();
  CheckResize();
  CheckCloseAsks();
  PressButton(MainDialog, IDCANCEL);
}

void Watch() {
  if (!SavePath.empty() && AnswerSaveDialog(MainDialog, SavePath)) ++SaveDialogs;
  std::string caption;
  std::string text;
  if (AnswerMessageBox(MainDialog, &caption, &text, Answer)) {
    ++ErrorBox.count;
    ErrorBox.caption = caption;
    ErrorBox.text = text;
  }
  if (++WatchCount == kWatchLimit) {
    Check(false, "the scenario ended in time");
    std::fflush(nullptr);
    std::_Exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) ExpectedReport = FileBytes(argv[1]);
  int result = RunProgram(argc, argv, Act, Watch);
  Check(Acted, "the main dialog showed");
  Check(ErrorBox.count == 2, "\"Sulge\" after an edit asked, and \"Ei\" closed without saving");
  Check(result == 1, "the program's result is 1 (got " + std::to_string(result) + ")");
  std::printf("%d failed\n", Failures);
  return Failures == 0 ? 0 : 1;
}
