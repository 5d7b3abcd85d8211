// Where a window opens beside another one on the same screen, so that it
// stays out of the other's way.
//
// Rectangles are outer ones, frames included. The window goes to the right
// of the other, else to its left, where that side of the screen has room
// for at least its minimum width; it is narrowed to the room there, never
// widened beyond the size it asks for. Where neither side has room, it goes
// to the screen's left or right edge, as narrow as it may be, wherever it
// covers less of the other window; where both cover as much, to the left,
// since dialogs keep their command buttons at their right. Its top is the
// other's top, moved as little as needed to keep it on the screen.
#ifndef OMBRIX_PLATFORM_QT_WINDOW_PLACEMENT_H
#define OMBRIX_PLATFORM_QT_WINDOW_PLACEMENT_H

#include <QRect>
#include <QSize>

QRect PlaceBeside(const QRect& screen, const QRect& other, QSize wanted, int minimumWidth, int gap);

#endif
