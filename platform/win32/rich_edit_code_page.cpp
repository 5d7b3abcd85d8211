// Every "RichEdit" box of the program holds only what code page 1257
// carries, as the file it is saved into does: a character the code page
// lacks (Cyrillic, an emoji) becomes "?" as it enters, typed, pasted or
// dropped, and an accent written apart joins its letter where the code page
// has the pair ("o" and a combining tilde become "õ"). So the box never
// shows what the file will not hold.
//
// Whatever way the text came in, the control marks itself modified
// (EM_GETMODIFY): after each message the box handles, and before it paints,
// a modified box is searched and put right, and the mark cleared. The
// program still learns that the text changed: the box keeps that in a
// property of its own, which EM_GETMODIFY answers and EM_SETMODIFY sets. An
// undo takes back the edit that brought the characters in together with
// their replacement.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "platform/win32/rich_edit_text.h"
#include "text/code_page.h"

namespace {

constexpr UINT_PTR kSubclassId = 2;
constexpr wchar_t kChanged[] = L"OmbrixChanged";
constexpr UINT kUnicode = 1200;

// Characters [from, to) of the stored text, to be replaced by these.
struct Replacement {
  LONG from;
  LONG to;
  std::wstring by;
};

bool IsCombiningMark(wchar_t c) {
  return c >= 0x0300 && c <= 0x036F;
}

// The one character of code page 1257 that letter and mark compose to, or
// 0 when there is none.
wchar_t Composed(wchar_t letter, wchar_t mark) {
  wchar_t pair[2] = {letter, mark};
  wchar_t composed[4] = {};
  int count = NormalizeString(NormalizationC, pair, 2, composed, 4);
  return count == 1 && ByteOfCharacter(composed[0]) >= 0 ? composed[0] : 0;
}

// The box's text as the control stores it, in character positions.
std::wstring StoredText(HWND box) {
  GETTEXTLENGTHEX measure = {GTL_PRECISE | GTL_NUMCHARS | GTL_USECRLF, kUnicode};
  LRESULT length = DefSubclassProc(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure), 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GETTEXTEX how = {static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, kUnicode, nullptr,
                   nullptr};
  LRESULT count = DefSubclassProc(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how),
                                  reinterpret_cast<LPARAM>(text.data()));
  text.resize(count > 0 ? static_cast<size_t>(count) : 0);
  return text;
}

std::vector<Replacement> Replacements(const std::wstring& text, bool crLfIsOnePosition) {
  std::vector<Replacement> found;
  LONG joined = 0;  // CR LFs so far that take one position
  for (size_t at = 0, length = 1; at < text.size(); at += length) {
    if (crLfIsOnePosition && at > 0 && text[at - 1] == L'\r' && text[at] == L'\n') ++joined;
    if (ByteOfUtf16(text.data(), text.size(), at, &length) >= 0) continue;
    LONG position = static_cast<LONG>(at) - joined;
    wchar_t composed = at > 0 && IsCombiningMark(text[at]) ? Composed(text[at - 1], text[at]) : 0;
    LONG end = position + static_cast<LONG>(length);
    if (composed != 0 && (found.empty() || found.back().to < position)) {
      found.push_back({position - 1, position + 1, std::wstring(1, composed)});
    } else if (!found.empty() && found.back().to == position && found.back().by.back() == L'?') {
      found.back().to = end;  // a run of them goes in one replacement
      found.back().by += L'?';
    } else {
      found.push_back({position, end, L"?"});
    }
  }
  return found;
}

// A position after the replacements before it.
LONG Shifted(LONG position, const std::vector<Replacement>& replacements) {
  LONG shifted = position;
  for (const Replacement& r : replacements) {
    LONG added = static_cast<LONG>(r.by.size());
    if (position >= r.to) {
      shifted -= r.to - r.from - added;
    } else if (position > r.from + added) {
      shifted -= position - r.from - added;
    }
  }
  return shifted;
}

std::vector<Replacement> ReplacementsIn(HWND box) {
  std::wstring text = StoredText(box);
  GETTEXTLENGTHEX measure = {GTL_PRECISE | GTL_NUMCHARS, kUnicode};
  LRESULT positions =
      DefSubclassProc(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure), 0);
  return Replacements(text, static_cast<size_t>(positions) < text.size());
}

// After an undo the text may hold again what a replacement took out, which
// would only be replaced anew: the undo goes on until the text is one that
// the box held before, so that one undo takes back a paste whole.
void KeepToCodePage(HWND box, bool undone) {
  static bool busy = false;
  // Wine's control leaves the mark as it was on an undo, so then the box is
  // searched regardless.
  if (busy || (!undone && !DefSubclassProc(box, EM_GETMODIFY, 0, 0))) return;
  busy = true;
  SetPropW(box, kChanged, box);
  DefSubclassProc(box, EM_SETMODIFY, FALSE, 0);
  std::vector<Replacement> replacements = ReplacementsIn(box);
  while (undone && !replacements.empty() && DefSubclassProc(box, EM_CANUNDO, 0, 0) &&
         DefSubclassProc(box, EM_UNDO, 0, 0)) {
    replacements = ReplacementsIn(box);
  }
  if (!replacements.empty()) {
    CHARRANGE selection;
    DefSubclassProc(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SETTEXTEX how = {ST_SELECTION | ST_KEEPUNDO, kUnicode};
    for (auto r = replacements.rbegin(); r != replacements.rend(); ++r) {
      CHARRANGE range = {r->from, r->to};
      DefSubclassProc(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
      DefSubclassProc(box, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                      reinterpret_cast<LPARAM>(r->by.c_str()));
    }
    selection = {Shifted(selection.cpMin, replacements), Shifted(selection.cpMax, replacements)};
    DefSubclassProc(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    DefSubclassProc(box, EM_SETMODIFY, FALSE, 0);
  }
  busy = false;
}

LRESULT CALLBACK CodePageBox(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
  if (message == WM_NCDESTROY) {
    RemovePropW(box, kChanged);
    RemoveWindowSubclass(box, CodePageBox, kSubclassId);
    return DefSubclassProc(box, message, wParam, lParam);
  }
  if (message == EM_GETMODIFY) {
    return GetPropW(box, kChanged) != nullptr || DefSubclassProc(box, message, wParam, lParam);
  }
  if (message == EM_SETMODIFY) {
    if (wParam) {
      SetPropW(box, kChanged, box);
    } else {
      RemovePropW(box, kChanged);
    }
    return DefSubclassProc(box, message, wParam, lParam);
  }
  if (message == WM_PAINT) KeepToCodePage(box, false);
  LRESULT result = DefSubclassProc(box, message, wParam, lParam);
  bool undo = message == WM_UNDO || message == EM_UNDO ||
              (message == WM_KEYDOWN && wParam == 'Z' && GetKeyState(VK_CONTROL) < 0);
  KeepToCodePage(box, undo);
  return result;
}

LRESULT CALLBACK OnWindowCreated(int code, WPARAM wParam, LPARAM lParam) {
  HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_CREATEWND && IsRichEdit(window)) {
    SetWindowSubclass(window, CodePageBox, kSubclassId, 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Installed before WinMain, for the program's one thread.
[[maybe_unused]] const HHOOK kCodePageHook =
    SetWindowsHookExW(WH_CBT, OnWindowCreated, nullptr, GetCurrentThreadId());

}  // namespace
