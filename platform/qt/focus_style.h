// The desktop's widget style, with the keyboard focus always in sight:
//
//   - a focused push button, the default one too, and a focused scroll
//     area (the report view) get a line of the palette's highlight colour
//     just inside their frame, whether the keyboard or the mouse moved the
//     focus there;
//   - the menu bar, while it has the keyboard (F10 or Alt), shows its
//     current menu highlighted as an open one is.
//
// Every colour is the palette's, so a dark or high-contrast palette shows
// the focus in its own colours.
#ifndef OMBRIX_PLATFORM_QT_FOCUS_STYLE_H
#define OMBRIX_PLATFORM_QT_FOCUS_STYLE_H

#include <QProxyStyle>

class FocusStyle : public QProxyStyle {
 public:
  FocusStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
};

#endif
