// What a menu handle stands for: a menu bar or a popup menu built from a menu
// template.
//
// Choosing an item posts WM_COMMAND (the item's id, notification 0, lParam
// 0) to the menu's owner, so that it arrives after the menu has closed, as
// on Win32. Grayed items are disabled; "&" marks the mnemonic letter.
#ifndef OMBRIX_PLATFORM_QT_MENU_H
#define OMBRIX_PLATFORM_QT_MENU_H

#include <QMenu>
#include <QMenuBar>
#include <memory>
#include <vector>

#include <windows.h>

#include "platform/rcgen/embedded_resources.h"

struct HMENU__ {
  QMenuBar* bar = nullptr;  // a menu bar, or
  QMenu* popup = nullptr;   // a popup menu
  // The popup of each item by position, nullptr for an item or separator.
  std::vector<HMENU__*> itemPopups;
  std::vector<std::unique_ptr<HMENU__>> ownedPopups;
  HWND owner = nullptr;
  bool tracking = false;  // inside TrackPopupMenu: the command is posted when it returns
};

// The menu bar of the template as a child of window, owned by owner.
std::unique_ptr<HMENU__> BuildMenuBar(const EmbeddedMenu& menu, QWidget* window, HWND owner);

#endif
