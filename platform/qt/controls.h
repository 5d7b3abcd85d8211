// The window classes that dialog templates may name, created from a
// template's control entry inside a dialog's client area.
//
//   "Button"              a push button; BS_DEFPUSHBUTTON marks the default
//                         one, BS_MULTILINE wraps its caption; sends BN_CLICKED
//   "Static"              a text label, SS_LEFT or SS_CENTER; transparent to
//                         the mouse, as statics are in dialogs
//   "RichEdit"            with ES_MULTILINE a plain-text editor (wrapping
//                         unless ES_AUTOHSCROLL, Enter with any modifier
//                         only with ES_WANTRETURN, tab stops every half
//                         inch), else a line edit; both send EN_SETFOCUS when
//                         they get the focus, keep their selection when they
//                         lose it with ES_NOHIDESEL, and take WM_UNDO,
//                         WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, EM_SETSEL,
//                         EM_GETMODIFY and EM_SETMODIFY. Available only while
//                         RICHED32.DLL is loaded.
//   "msctls_statusbar32"  a sunken bar with one text part and no size grip
//
// Class names compare without regard to case. Texts convert between code
// page 1257 and Unicode; a multi-line text reads back with CR LF line ends.
// The "RichEdit" controls hold only what code page 1257 carries: whatever
// enters them, a character it lacks becomes "?" and a NUL is left out.
#ifndef OMBRIX_PLATFORM_QT_CONTROLS_H
#define OMBRIX_PLATFORM_QT_CONTROLS_H

#include "platform/qt/dialog_window.h"
#include "platform/rcgen/embedded_resources.h"

// The control as a child of the dialog's client area, placed and sized from
// its dialog units; nullptr for a class that is not available.
HWND__* CreateControl(DialogWindow* dialog, const EmbeddedControl& control);

// Creates an edit control of class "RichEdit" (libraries.cpp decides whether
// the class is there).
HWND__* CreateRichEdit(DialogWindow* dialog, const EmbeddedControl& control);

#endif
