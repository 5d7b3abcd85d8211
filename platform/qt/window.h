// What a window handle stands for: one dialog or control, built on a
// QWidget that also derives from HWND__.
//
// Every live window is registered, so that a handle of a window that is gone
// is recognised and the functions of the API refuse it as Win32 does.
#ifndef OMBRIX_PLATFORM_QT_WINDOW_H
#define OMBRIX_PLATFORM_QT_WINDOW_H

#include <QAccessible>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>

#include <windows.h>

struct HWND__ {
  HWND__(QWidget* widget, HWND__* parent, int id, uint32_t style);
  HWND__(const HWND__&) = delete;
  HWND__& operator=(const HWND__&) = delete;
  virtual ~HWND__();

  // The widget whose geometry is the window rectangle.
  QWidget* const widget;
  // The dialog of a control; nullptr for a dialog.
  HWND__* const parent;
  const int id;
  const uint32_t windowStyle;

  // The widget whose top-left corner is the origin of client coordinates.
  virtual QWidget* Client() const { return widget; }
  // The window text; a multi-line text has CR LF line ends.
  virtual QString Text() const { return widget->windowTitle(); }
  virtual void SetText(const QString& text) { widget->setWindowTitle(text); }
  // A message sent to the window (SendMessage); 0 for one it does not know.
  virtual LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);
  // Where the window goes when it is put at requested (in its parent's
  // client coordinates): most windows take what they are given.
  virtual QRect Placement(const QRect& requested) const { return requested; }
  // What assistive technologies are told the window is, where it is not what
  // Qt says of its widget (QAccessible::NoRole).
  virtual QAccessible::Role AccessibleRole() const { return QAccessible::NoRole; }
};

// The window of a handle, or nullptr when the handle names no live window.
HWND__* LiveWindow(HWND hwnd);

#endif
