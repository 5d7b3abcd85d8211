#include "platform/qt/window.h"

#include <unordered_set>

namespace {

std::unordered_set<const HWND__*>& Registry() {
  static std::unordered_set<const HWND__*> windows;
  return windows;
}

}  // namespace

HWND__::HWND__(QWidget* widget, HWND__* parent, int id, uint32_t style)
    : widget(widget), parent(parent), id(id), windowStyle(style) {
  Registry().insert(this);
}

HWND__::~HWND__() {
  Registry().erase(this);
}

LRESULT HWND__::Message(UINT, WPARAM, LPARAM) {
  return 0;
}

HWND__* LiveWindow(HWND hwnd) {
  return hwnd != nullptr && Registry().count(hwnd) != 0 ? hwnd : nullptr;
}
