// The keyboard focus around a modal box or dialog of the layer: when the box
// closes, however it was answered, its owner's window is active again and
// the control that had the focus has it again, as Win32's dialog manager
// gives it back. Qt leaves the window to activate next to the window system,
// which may activate none, and typing would then go nowhere.
#ifndef OMBRIX_PLATFORM_QT_MODAL_FOCUS_H
#define OMBRIX_PLATFORM_QT_MODAL_FOCUS_H

#include <QPointer>
#include <QWidget>

class ModalFocus {
 public:
  // Remembers the owner's window and the widget that has the focus now.
  explicit ModalFocus(QWidget* owner);
  // Activates the owner's window and focuses that widget, where both still
  // exist.
  ~ModalFocus();
  ModalFocus(const ModalFocus&) = delete;
  ModalFocus& operator=(const ModalFocus&) = delete;

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> focus_;
};

#endif
