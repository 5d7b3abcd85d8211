// Window and client rectangles, coordinate conversion and SetWindowPos.
//
// A window rectangle is the widget's geometry in screen coordinates; for a
// dialog that is its menu bar and client area (see windows.h). Client
// coordinates start at the top-left corner of the client area.
#include <algorithm>

#include "platform/qt/window.h"

namespace {

QRect ScreenRect(const QWidget* widget) {
  return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

void Store(const QRect& rect, LPRECT out) {
  *out = {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  HWND__* window = LiveWindow(hWnd);
  if (window == nullptr || lpRect == nullptr) return FALSE;
  Store(QRect(QPoint(0, 0), window->Client()->size()), lpRect);
  return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  HWND__* window = LiveWindow(hWnd);
  if (window == nullptr || lpRect == nullptr) return FALSE;
  Store(ScreenRect(window->widget), lpRect);
  return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
  HWND__* window = LiveWindow(hWnd);
  if (window == nullptr || lpPoint == nullptr) return FALSE;
  QPoint client = window->Client()->mapFromGlobal(QPoint(lpPoint->x, lpPoint->y));
  *lpPoint = {client.x(), client.y()};
  return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
  HWND__* window = LiveWindow(hWnd);
  if (window == nullptr || lpPoint == nullptr) return FALSE;
  QPoint screen = window->Client()->mapToGlobal(QPoint(lpPoint->x, lpPoint->y));
  *lpPoint = {screen.x(), screen.y()};
  return TRUE;
}

// Positions are in the parent's client coordinates (screen coordinates for a
// dialog); a negative size counts as 0, as on Win32. A window that places
// itself (a status bar) goes where it places itself. The Z order is left as
// it is.
BOOL WINAPI SetWindowPos(HWND hWnd, HWND, int X, int Y, int cx, int cy, UINT uFlags) {
  HWND__* window = LiveWindow(hWnd);
  if (window == nullptr) return FALSE;
  QRect geometry = window->widget->geometry();
  if (!(uFlags & SWP_NOMOVE)) geometry.moveTo(X, Y);
  if (!(uFlags & SWP_NOSIZE)) geometry.setSize(QSize(std::max(cx, 0), std::max(cy, 0)));
  window->widget->setGeometry(window->Placement(geometry));
  return TRUE;
}
