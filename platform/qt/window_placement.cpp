#include "platform/qt/window_placement.h"

#include <algorithm>

namespace {

int CoveredArea(const QRect& window, const QRect& other) {
  QRect covered = window.intersected(other);
  return covered.isEmpty() ? 0 : covered.width() * covered.height();
}

}  // namespace

QRect PlaceBeside(const QRect& screen, const QRect& other, QSize wanted, int minimumWidth,
                  int gap) {
  QSize size = wanted.boundedTo(screen.size());
  int narrowest = std::min(minimumWidth, size.width());
  int top = std::clamp(other.top(), screen.top(),
                       std::max(screen.top(), screen.top() + screen.height() - size.height()));
  int screenEnd = screen.left() + screen.width();
  int roomRight = screenEnd - (other.left() + other.width() + gap);
  int roomLeft = other.left() - gap - screen.left();
  if (roomRight >= narrowest) {
    return QRect(screenEnd - roomRight, top, std::min(size.width(), roomRight), size.height());
  }
  if (roomLeft >= narrowest) {
    int width = std::min(size.width(), roomLeft);
    return QRect(other.left() - gap - width, top, width, size.height());
  }
  int leftWidth = std::clamp(roomLeft, narrowest, size.width());
  int rightWidth = std::clamp(roomRight, narrowest, size.width());
  QRect left(screen.left(), top, leftWidth, size.height());
  QRect right(screenEnd - rightWidth, top, rightWidth, size.height());
  return CoveredArea(right, other) < CoveredArea(left, other) ? right : left;
}
