#include "platform/qt/text_zoom.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr qreal kStep = 1.1;  // a step enlarges the text by a tenth
constexpr qreal kSmallest = 0.5;
constexpr qreal kLargest = 4.0;
constexpr int kWheelStep = 120;  // one notch of the wheel

class TextZoom : public QObject {
 public:
  explicit TextZoom(QPlainTextEdit* editor)
      : QObject(editor), editor_(editor), original_(editor->font()) {
    editor->installEventFilter(this);
    // The wheel turns over the viewport.
    editor->viewport()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Wheel) {
      auto* wheel = static_cast<QWheelEvent*>(event);
      if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
      wheelDelta_ += wheel->angleDelta().y();
      int steps = wheelDelta_ / kWheelStep;
      wheelDelta_ -= steps * kWheelStep;
      if (steps != 0) ZoomTo(factor_ * std::pow(kStep, steps));
      return true;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
      int change = Change(static_cast<QKeyEvent*>(event));
      if (change == 0) return false;
      if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
      }
      ZoomTo(change == kReset ? 1.0 : factor_ * std::pow(kStep, change));
      return true;
    }
    return false;
  }

 private:
  static constexpr int kReset = 2;

  // +1 to zoom in, -1 to zoom out, kReset for the original size, 0 for a
  // key that does not zoom.
  static int Change(const QKeyEvent* key) {
    Qt::KeyboardModifiers modifiers = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (modifiers != Qt::ControlModifier) return 0;
    switch (key->key()) {
      case Qt::Key_Plus:
      case Qt::Key_Equal:
        return 1;
      case Qt::Key_Minus:
        return -1;
      case Qt::Key_0:
        return kReset;
      default:
        return 0;
    }
  }

  // The dialog's font may be sized in pixels or in points.
  void ZoomTo(qreal factor) {
    factor_ = std::clamp(factor, kSmallest, kLargest);
    QFont font = original_;
    if (original_.pixelSize() > 0) {
      font.setPixelSize(
          std::max(1, static_cast<int>(std::lround(original_.pixelSize() * factor_))));
    } else {
      font.setPointSizeF(original_.pointSizeF() * factor_);
    }
    editor_->setFont(font);
  }

  QPlainTextEdit* editor_;
  const QFont original_;
  qreal factor_ = 1.0;
  int wheelDelta_ = 0;
};

}  // namespace

void AllowTextZoom(QPlainTextEdit* editor) {
  new TextZoom(editor);
}
