// The base of the controls' widgets: a right click over a control stays with
// the control, as on Win32, and never reaches the dialog as WM_RBUTTONUP.
#ifndef OMBRIX_PLATFORM_QT_CONTROL_WIDGET_H
#define OMBRIX_PLATFORM_QT_CONTROL_WIDGET_H

#include <QMouseEvent>

template <typename Base>
class ControlWidget : public Base {
 public:
  using Base::Base;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::RightButton) Base::mousePressEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::RightButton) Base::mouseReleaseEvent(event);
  }
};

#endif
