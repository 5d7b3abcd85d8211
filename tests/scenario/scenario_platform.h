// The platform's part of the dialog scenario: starting the program, and what
// a person does with the mouse, which the program's own Win32 calls do not
// cover. One implementation runs on the Qt layer (Linux), the other on the
// Win32 API (Windows, or Wine).
#ifndef OMBRIX_TESTS_SCENARIO_SCENARIO_PLATFORM_H
#define OMBRIX_TESTS_SCENARIO_SCENARIO_PLATFORM_H

#include <windows.h>

#include <string>

// Runs the program from its WinMain as the platform's entry does and returns
// WinMain's result. Once the main dialog shows, act is called once inside
// its modal loop; from then on watch is called every few milliseconds inside
// whatever modal loop runs, nested ones included.
int RunProgram(int argc, char** argv, void (*act)(), void (*watch)());

// Whether the window is shown.
bool IsShown(HWND window);

// Presses the dialog's push button id; returns when its command is handled.
void PressButton(HWND dialog, int id);

// Clicks the dialog's close box; returns when WM_CLOSE is handled.
void PressCloseBox(HWND dialog);

// Gives the dialog this client size in pixels; returns once WM_SIZE of it
// has been handled.
void ResizeClient(HWND dialog, int width, int height);

// Presses a key as the keyboard does: '\t' is Tab, an upper-case letter its
// key, with Ctrl held down when withCtrl. Returns when the dialog has
// handled the key and the characters it made.
void PressKey(HWND dialog, char key, bool withCtrl = false);

// The id of the dialog's control that has the keyboard focus, 0 for none.
int FocusedControl(HWND dialog);

// Puts the keyboard focus into control id, as a click into it does (the
// caret stays where it was).
void ClickInto(HWND dialog, int id);

// Chooses the menu item id of the dialog's menu; returns when its command is
// handled.
void ChooseMenuItem(HWND dialog, int id);

// The text on the clipboard, in UTF-8 with CR LF line ends, as a paste into
// another program gets it; "(none)" when it holds no text.
std::string ClipboardText();

// Puts the UTF-8 text on the clipboard, as another program's 'Copy' does.
void SetClipboardText(const std::string& text);

// A rectangle of the dialog's template (dialog units) in pixels, each value
// converted by itself, as the dialog is made from its template.
RECT TemplateToPixels(HWND dialog, int x, int y, int cx, int cy);

// The text that control id shows, in UTF-8, with CR LF line ends.
std::string ShownText(HWND dialog, int id);

// When a message box owned by owner is shown, reads its caption and text
// (UTF-8, LF line ends), presses its button (IDOK, IDYES, IDNO, IDCANCEL)
// and returns true.
bool AnswerMessageBox(HWND owner, std::string* caption, std::string* text, int button);

// When a save dialog owned by owner is shown, types the path (UTF-8) as the
// file name, presses its Save button and returns true.
bool AnswerSaveDialog(HWND owner, const std::string& path);

#endif
