// A window with a caption but no system menu has no close box on Win32, and
// no minimise or maximise box either. Most desktops' frames leave them out
// when asked (the window's flags become its Motif hints on X11), but two
// draw them whatever a window asks for: Openbox, and on Wayland the frame
// that Qt itself draws. There the window goes without the desktop's frame
// and draws its own: the title on a bar across the top and a thin border;
// dragging the bar moves the window.
#ifndef OMBRIX_PLATFORM_QT_OWN_CAPTION_H
#define OMBRIX_PLATFORM_QT_OWN_CAPTION_H

#include <QMargins>
#include <QWidget>
#include <cstdint>

// Whether a window of this style draws its own caption here.
bool DrawsItsOwnCaption(uint32_t style);

// The caption and border, behind the window's other children.
class OwnCaption : public QWidget {
 public:
  explicit OwnCaption(QWidget* window);

  // Where the window's contents go inside the caption and border.
  QMargins Margins() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
};

#endif
