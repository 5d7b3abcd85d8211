#include "platform/qt/own_caption.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <windows.h>

namespace {

constexpr int kBorder = 1;
constexpr int kTitlePadding = 4;  // above and below the title

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  XcbReply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, strlen(name), name),
                            nullptr),
      &std::free);
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

QByteArray Property(xcb_connection_t* connection, xcb_window_t window, const char* name,
                    xcb_atom_t type) {
  constexpr uint32_t kLongs = 256;
  XcbReply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(
          connection,
          xcb_get_property(connection, 0, window, Atom(connection, name), type, 0, kLongs),
          nullptr),
      &std::free);
  if (!reply || reply->type != type) return QByteArray();
  return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                    xcb_get_property_value_length(reply.get()));
}

// The name the X11 window manager gives itself (EWMH), or "".
QByteArray WindowManagerName() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) return QByteArray();
  xcb_connection_t* connection = x11->connection();
  xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  QByteArray check = Property(connection, root, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW);
  if (check.size() != sizeof(xcb_window_t)) return QByteArray();
  xcb_window_t manager = *reinterpret_cast<const xcb_window_t*>(check.constData());
  return Property(connection, manager, "_NET_WM_NAME", Atom(connection, "UTF8_STRING"));
}

bool FrameShowsButtonsAnyway() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
         WindowManagerName() == "Openbox";
}

}  // namespace

bool DrawsItsOwnCaption(uint32_t style) {
  return (style & WS_CAPTION) == WS_CAPTION && !(style & WS_SYSMENU) && FrameShowsButtonsAnyway();
}

OwnCaption::OwnCaption(QWidget* window) : QWidget(window) {
  lower();
}

QMargins OwnCaption::Margins() const {
  int bar = fontMetrics().height() + 2 * kTitlePadding;
  return QMargins(kBorder, kBorder + bar, kBorder, kBorder);
}

void OwnCaption::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QRect bar(kBorder, kBorder, width() - 2 * kBorder, Margins().top() - kBorder);
  // Pairs of colours that every palette keeps apart, dark and high-contrast
  // ones too.
  bool active = window()->isActiveWindow();
  painter.fillRect(bar, palette().color(active ? QPalette::Highlight : QPalette::Button));
  painter.setPen(palette().color(active ? QPalette::HighlightedText : QPalette::ButtonText));
  painter.drawText(bar, Qt::AlignCenter | Qt::TextSingleLine, window()->windowTitle());
  painter.setPen(palette().color(QPalette::Shadow));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void OwnCaption::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && event->position().y() < Margins().top()) {
    window()->windowHandle()->startSystemMove();
    return;
  }
  QWidget::mousePressEvent(event);
}

bool OwnCaption::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) {
    update();
  }
  return QWidget::event(event);
}
