#include "platform/qt/frame_overlay.h"

#include <QEvent>
#include <QTransform>
#include <cmath>
#include <utility>

FrameOverlay::FrameOverlay(QWidget* framed, std::function<void(QPainter*)> drawFrame)
    : QWidget(framed), drawFrame_(std::move(drawFrame)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(framed->rect());
  framed->installEventFilter(this);
  // A scroll area raises its scroll bars whenever it lays them out.
  for (QWidget* child : framed->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child != this) child->installEventFilter(this);
  }
  raise();
}

bool FrameOverlay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) {
    setGeometry(parentWidget()->rect());
  } else if (watched == parent() &&
             (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    // The frame shows the focus (focus_style.h): all of it is drawn anew,
    // under the overlay and on it.
    parentWidget()->update();
    update();
  } else if (watched != parent() && event->type() == QEvent::ZOrderChange) {
    raise();
  }
  return false;
}

// The frame is drawn onto the whole device pixels inside the widget: where
// its edge falls within a device pixel, a line drawn at the edge would be
// clipped away.
void FrameOverlay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QTransform toDevice = painter.deviceTransform();
  QRectF device = toDevice.mapRect(QRectF(rect()));
  QRectF whole(QPointF(std::ceil(device.left()), std::ceil(device.top())),
               QPointF(std::floor(device.right()), std::floor(device.bottom())));
  if (!whole.isEmpty() && whole != device) {
    painter.setWorldTransform(
        QTransform::fromTranslate((whole.left() - device.left()) / toDevice.m11(),
                                  (whole.top() - device.top()) / toDevice.m22())
            .scale(whole.width() / device.width(), whole.height() / device.height()));
  }
  drawFrame_(&painter);
}
