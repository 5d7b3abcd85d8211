// Two faults of Wine's rich-edit control (RICHED32.DLL of Wine 8), mended
// for every "RichEdit" window the program creates. Neither case arises with
// the control of Windows, so there nothing changes.
//
// Tab: the control asks the dialog for the Tab key (WM_GETDLGCODE), moves
// the focus on itself (WM_NEXTDLGCTL) and then takes the TAB character that
// the dialog's loop made of the key as typed text, replacing its selection:
// after tabbing in, the whole text. A TAB character that reaches a control
// without the keyboard focus is therefore dropped.
//
// Copy: the control puts its text on the clipboard in a block larger than
// the text, and the rest after the terminating NUL is left as it was found;
// a paste into a program outside Wine shows it. After the control has put
// text on the clipboard (WM_COPY, WM_CUT or a key such as Ctrl+C), a text
// block with anything but NULs after its end is replaced with the text.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>

#include "platform/win32/rich_edit_text.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

// The clipboard's text up to its terminating NUL; *overlong when more than
// NULs follow it.
std::wstring ClipboardText(bool* overlong) {
  *overlong = false;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const wchar_t* chars = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
  if (chars == nullptr) return {};
  size_t size = GlobalSize(data) / sizeof(wchar_t);
  size_t end = 0;
  while (end < size && chars[end] != L'\0') ++end;
  std::wstring text(chars, end);
  for (size_t i = end; i < size; ++i) *overlong = *overlong || chars[i] != L'\0';
  GlobalUnlock(data);
  return text;
}

void PutExactlyTheText(HWND owner) {
  if (!OpenClipboard(owner)) return;
  bool overlong;
  std::wstring text = ClipboardText(&overlong);
  size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL exact = overlong ? GlobalAlloc(GMEM_MOVEABLE, bytes) : nullptr;
  if (void* block = exact != nullptr ? GlobalLock(exact) : nullptr) {
    std::memcpy(block, text.c_str(), bytes);
    GlobalUnlock(exact);
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, exact) == nullptr) GlobalFree(exact);
  }
  CloseClipboard();
}

LRESULT CALLBACK RepairedRichEdit(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR) {
  if (message == WM_CHAR && wParam == '\t' && GetFocus() != window) return 0;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, RepairedRichEdit, kSubclassId);
  bool mayCopy = message == WM_COPY || message == WM_CUT || message == WM_KEYDOWN;
  DWORD clipboardBefore = mayCopy ? GetClipboardSequenceNumber() : 0;
  LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  if (mayCopy && GetClipboardSequenceNumber() != clipboardBefore) PutExactlyTheText(window);
  return result;
}

LRESULT CALLBACK OnWindowCreated(int code, WPARAM wParam, LPARAM lParam) {
  HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_CREATEWND && IsRichEdit(window)) {
    SetWindowSubclass(window, RepairedRichEdit, kSubclassId, 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Installed before WinMain, for the program's one thread.
[[maybe_unused]] const HHOOK kRichEditHook =
    SetWindowsHookExW(WH_CBT, OnWindowCreated, nullptr, GetCurrentThreadId());

}  // namespace
