// The edit menu of a text control, opened from the keyboard as in a Win32
// edit control: Shift+F10 or the menu key shows Qt's standard menu of the
// editor (undo, cut, copy, paste, delete, select all, in the translator's
// language) at the middle of the control. The right mouse button opens no
// menu over a control (control_widget.h).
#ifndef OMBRIX_PLATFORM_QT_EDIT_MENU_H
#define OMBRIX_PLATFORM_QT_EDIT_MENU_H

#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

bool OpensEditMenu(const QKeyEvent* event);

// Shows the menu until it closes, then deletes it.
void ShowEditMenu(QWidget* control, QMenu* menu);

#endif
