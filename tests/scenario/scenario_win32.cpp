// The dialog scenario's platform part on the Win32 API: thread timers, whose
// WM_TIMER every modal loop dispatches, run the scenario and the watch; the
// buttons, the close box, the menu, the message box and the save dialog are
// worked with messages, as the mouse and the keyboard would work them, and
// keys are pressed through the system's input, as a keyboard presses them.
// The text of a rich-edit box is read as the control streams it out in
// Unicode, apart from the program's own calls and from the system's code
// page.
#include <richedit.h>

#include <cstring>
#include <string>

#include "app/handles.h"
#include "tests/scenario/scenario_platform.h"

namespace {

constexpr UINT kActPeriodMs = 10;
constexpr UINT kWatchPeriodMs = 20;
constexpr int kTextSize = 65536;
// The file name box of the common file dialogs: the combo box of the
// Explorer-style dialog, or the edit box of the older one.
constexpr int kFileNameIds[] = {0x047C, 0x0480};

void (*ActStep)();
void (*WatchStep)();
UINT_PTR ActTimer;
HWND AnsweredBox;
HWND AnsweredSaveDialog;

// A NUL inside the text is kept.
std::string Utf8(const wchar_t* text, size_t length) {
  int count = static_cast<int>(length);
  int size = WideCharToMultiByte(CP_UTF8, 0, text, count, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, count, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

// Wide text that a UTF-8 text stands for.
std::wstring Wide(const std::string& utf8) {
  int count = static_cast<int>(utf8.size());
  int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), count, nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), count, wide.data(), size);
  return wide;
}

DWORD CALLBACK CollectStream(DWORD_PTR cookie, BYTE* bytes, LONG count, LONG* taken) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(bytes),
                                                 static_cast<size_t>(count));
  *taken = count;
  return 0;
}

// A rich-edit box's whole text as it streams it out in Unicode, paragraphs
// ended by CR LF.
std::string StreamedText(HWND box) {
  std::string bytes;
  EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&bytes), 0, CollectStream};
  SendMessageW(box, EM_STREAMOUT, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
  std::wstring units(bytes.size() / 2, L'\0');
  std::memcpy(units.data(), bytes.data(), units.size() * sizeof(wchar_t));
  std::wstring text;
  for (size_t at = 0; at < units.size(); ++at) {
    text += units[at];
    if (units[at] == L'\r' && (at + 1 == units.size() || units[at + 1] != L'\n')) text += L'\n';
  }
  return Utf8(text.data(), text.size());
}

std::string WindowText(HWND window) {
  static wchar_t text[kTextSize];
  return Utf8(text, static_cast<size_t>(GetWindowTextW(window, text, kTextSize)));
}

bool IsOfClass(HWND window, const char* className) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, className) == 0;
}

// Once the main dialog shows, the scenario runs, once.
void CALLBACK ActOnDialog(HWND, UINT, UINT_PTR, DWORD) {
  if (MainDialog == nullptr || !IsWindowVisible(MainDialog)) return;
  KillTimer(nullptr, ActTimer);
  ActStep();
}

void CALLBACK WatchDialogs(HWND, UINT, UINT_PTR, DWORD) {
  WatchStep();
}

HWND FileNameBox(HWND dialog) {
  for (int id : kFileNameIds) {
    if (HWND box = GetDlgItem(dialog, id)) return box;
  }
  return nullptr;
}

struct BoxSearch {
  HWND owner;
  bool fileDialog;  // the save dialog, or else a message box
  HWND box;
};

// A shown dialog box ("#32770") that the owner owns, of the kind searched.
BOOL CALLBACK FindOwnedBox(HWND window, LPARAM lParam) {
  BoxSearch* search = reinterpret_cast<BoxSearch*>(lParam);
  if (window != search->owner && GetWindow(window, GW_OWNER) == search->owner &&
      IsWindowVisible(window) && IsOfClass(window, "#32770") &&
      (FileNameBox(window) != nullptr) == search->fileDialog) {
    search->box = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindOwnedBox(HWND owner, bool fileDialog) {
  if (owner == nullptr) return nullptr;
  BoxSearch search = {owner, fileDialog, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindOwnedBox, reinterpret_cast<LPARAM>(&search));
  return search.box;
}

void PressOk(HWND dialog) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

// Its static controls that hold text, in order; one line each.
BOOL CALLBACK CollectStaticText(HWND window, LPARAM lParam) {
  std::string* text = reinterpret_cast<std::string*>(lParam);
  std::string line = WindowText(window);
  if (IsOfClass(window, "Static") && !line.empty()) *text += (text->empty() ? "" : "\n") + line;
  return TRUE;
}

}  // namespace

int RunProgram(int, char**, void (*act)(), void (*watch)()) {
  ActStep = act;
  WatchStep = watch;
  ActTimer = SetTimer(nullptr, 0, kActPeriodMs, ActOnDialog);
  SetTimer(nullptr, 0, kWatchPeriodMs, WatchDialogs);
  return WinMain(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWDEFAULT);
}

bool IsShown(HWND window) {
  return IsWindowVisible(window) != 0;
}

void PressButton(HWND dialog, int id) {
  SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}

// Handles what the queue holds as the dialog's modal loop does, until the
// key-up of key has been handled and the queue is empty (or a second has
// passed).
void HandleKeyInput(HWND dialog, WPARAM key) {
  constexpr DWORD kLimitMs = 1000;
  DWORD start = GetTickCount();
  bool released = false;
  for (;;) {
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      released = released || (msg.message == WM_KEYUP && msg.wParam == key);
      if (!IsDialogMessageW(dialog, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    } else if (released || GetTickCount() - start > kLimitMs) {
      return;
    } else {
      Sleep(1);
    }
  }
}

void PressKey(HWND dialog, char key, bool withCtrl) {
  WORD code = key == '\t' ? VK_TAB : static_cast<WORD>(key);
  INPUT keys[4] = {};
  int count = 0;
  auto add = [&](WORD vk, DWORD flags) {
    keys[count].type = INPUT_KEYBOARD;
    keys[count].ki.wVk = vk;
    keys[count++].ki.dwFlags = flags;
  };
  if (withCtrl) add(VK_CONTROL, 0);
  add(code, 0);
  add(code, KEYEVENTF_KEYUP);
  if (withCtrl) add(VK_CONTROL, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(count), keys, sizeof(INPUT));
  HandleKeyInput(dialog, withCtrl ? VK_CONTROL : code);
}

int FocusedControl(HWND dialog) {
  HWND focus = GetFocus();
  return focus != nullptr && IsChild(dialog, focus) ? GetDlgCtrlID(focus) : 0;
}

void ClickInto(HWND dialog, int id) {
  SetFocus(GetDlgItem(dialog, id));
}

void ChooseMenuItem(HWND dialog, int id) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::string ClipboardText() {
  if (!OpenClipboard(nullptr)) return "(no clipboard)";
  std::string text = "(none)";
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (const wchar_t* chars = data != nullptr ? static_cast<wchar_t*>(GlobalLock(data)) : nullptr) {
    // The whole block, as a paste outside Windows takes it: what follows the
    // text's NUL counts, only NULs at the very end do not.
    size_t length = GlobalSize(data) / sizeof(wchar_t);
    while (length > 0 && chars[length - 1] == L'\0') --length;
    text = Utf8(chars, length);
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void PressCloseBox(HWND dialog) {
  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void ResizeClient(HWND dialog, int width, int height) {
  RECT outer;
  RECT client;
  GetWindowRect(dialog, &outer);
  GetClientRect(dialog, &client);
  SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left + width - client.right,
               outer.bottom - outer.top + height - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TemplateToPixels(HWND dialog, int x, int y, int cx, int cy) {
  RECT pixels = {x, y, cx, cy};
  MapDialogRect(dialog, &pixels);
  return {pixels.left, pixels.top, pixels.left + pixels.right, pixels.top + pixels.bottom};
}

std::string ShownText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return IsOfClass(control, "RichEdit") ? StreamedText(control) : WindowText(control);
}

void SetClipboardText(const std::string& text) {
  std::wstring wide = Wide(text);
  size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (void* at = block != nullptr ? GlobalLock(block) : nullptr) {
    std::memcpy(at, wide.c_str(), bytes);
    GlobalUnlock(block);
  }
  if (block != nullptr && OpenClipboard(nullptr)) {
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, block) != nullptr) block = nullptr;
    CloseClipboard();
  }
  if (block != nullptr) GlobalFree(block);
}

bool AnswerMessageBox(HWND owner, std::string* caption, std::string* text, int button) {
  HWND box = FindOwnedBox(owner, false);
  if (box == nullptr || box == AnsweredBox) return false;
  AnsweredBox = box;
  *caption = WindowText(box);
  text->clear();
  EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(text));
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
  return true;
}

bool AnswerSaveDialog(HWND owner, const std::string& path) {
  HWND dialog = FindOwnedBox(owner, true);
  if (dialog == nullptr || dialog == AnsweredSaveDialog) return false;
  AnsweredSaveDialog = dialog;
  SetWindowTextW(FileNameBox(dialog), Wide(path).c_str());
  PressOk(dialog);
  return true;
}
