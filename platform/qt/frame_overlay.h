// The frame of a scroll area drawn once more, over its viewport and scroll
// bars. At a fractional scale (1.5x) each child's edges are rounded to whole
// device pixels, and a child can cover a frame line that its parent drew;
// drawn last, the line stays. At whole scales it repaints the same pixels.
#ifndef OMBRIX_PLATFORM_QT_FRAME_OVERLAY_H
#define OMBRIX_PLATFORM_QT_FRAME_OVERLAY_H

#include <QPainter>
#include <QWidget>
#include <functional>

class FrameOverlay : public QWidget {
 public:
  // drawFrame paints the frame as the widget's own paint event does.
  FrameOverlay(QWidget* framed, std::function<void(QPainter*)> drawFrame);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<void(QPainter*)> drawFrame_;
};

#endif
