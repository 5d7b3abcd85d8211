#include "platform/qt/modal_focus.h"

#include <QApplication>

ModalFocus::ModalFocus(QWidget* owner)
    : window_(owner ? owner->window() : nullptr), focus_(QApplication::focusWidget()) {
  if (focus_ && focus_->window() != window_) focus_ = nullptr;
}

ModalFocus::~ModalFocus() {
  if (!window_ || !window_->isVisible()) return;
  window_->activateWindow();
  if (focus_) focus_->setFocus(Qt::ActiveWindowFocusReason);
}
