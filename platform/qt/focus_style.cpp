#include "platform/qt/focus_style.h"

#include <QAbstractScrollArea>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOption>

namespace {

constexpr int kFocusLine = 2;  // pixels

// A line of the highlight colour just inside the rectangle.
void DrawFocusLine(QPainter* painter, const QRect& rect, const QPalette& palette) {
  painter->save();
  painter->setPen(QPen(palette.color(QPalette::Highlight), kFocusLine));
  painter->setBrush(Qt::NoBrush);
  qreal inset = kFocusLine / 2.0;
  painter->drawRect(QRectF(rect).adjusted(inset, inset, -inset, -inset));
  painter->restore();
}

}  // namespace

FocusStyle::FocusStyle() : QProxyStyle() {}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  if (element == PE_Frame && (option->state & State_HasFocus) &&
      qobject_cast<const QAbstractScrollArea*>(widget) != nullptr) {
    DrawFocusLine(painter, option->rect.adjusted(1, 1, -1, -1), option->palette);
  }
}

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
  auto* bar = qobject_cast<const QMenuBar*>(widget);
  if (element == CE_MenuBarItem && bar != nullptr && bar->hasFocus() &&
      (option->state & State_Selected)) {
    if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
      QStyleOptionMenuItem highlighted(*item);
      highlighted.state |= State_Sunken;
      QProxyStyle::drawControl(element, &highlighted, painter, widget);
      return;
    }
  }
  QProxyStyle::drawControl(element, option, painter, widget);
  if (element == CE_PushButton && (option->state & State_HasFocus)) {
    DrawFocusLine(painter, subElementRect(SE_PushButtonFocusRect, option, widget), option->palette);
  }
}
