#include "platform/qt/menu.h"

#include <QAction>

#include "platform/qt/dialog_window.h"
#include "platform/qt/text_conversion.h"

namespace {

void AddItem(HMENU__* menu, const EmbeddedMenuEntry& entry, QWidget* parent) {
  QAction* action = new QAction(FromCodePage(entry.text), parent);
  action->setData(entry.id);
  action->setEnabled(!entry.grayed);
  int id = entry.id;
  QObject::connect(action, &QAction::triggered, action, [menu, id] {
    if (!menu->tracking) PostToDialog(menu->owner, WM_COMMAND, static_cast<WORD>(id), 0);
  });
  if (menu->bar) {
    menu->bar->addAction(action);
  } else {
    menu->popup->addAction(action);
  }
  menu->itemPopups.push_back(nullptr);
}

HMENU__* AddPopup(HMENU__* menu, const EmbeddedMenuEntry& entry, HWND owner) {
  auto popup = std::make_unique<HMENU__>();
  QString title = FromCodePage(entry.text);
  popup->popup = menu->bar ? menu->bar->addMenu(title) : menu->popup->addMenu(title);
  popup->owner = owner;
  HMENU__* added = popup.get();
  menu->itemPopups.push_back(added);
  menu->ownedPopups.push_back(std::move(popup));
  return added;
}

}  // namespace

std::unique_ptr<HMENU__> BuildMenuBar(const EmbeddedMenu& menu, QWidget* window, HWND owner) {
  auto bar = std::make_unique<HMENU__>();
  bar->bar = new QMenuBar(window);
  bar->bar->setNativeMenuBar(false);
  bar->owner = owner;
  // levels[n] is the menu that takes the entries of level n.
  std::vector<HMENU__*> levels = {bar.get()};
  for (int i = 0; i < menu.entryCount; ++i) {
    const EmbeddedMenuEntry& entry = menu.entries[i];
    levels.resize(entry.level + 1);
    HMENU__* parent = levels.back();
    QWidget* widget = parent->bar ? static_cast<QWidget*>(parent->bar) : parent->popup;
    switch (entry.kind) {
      case EmbeddedMenuKind::Popup:
        levels.push_back(AddPopup(parent, entry, owner));
        break;
      case EmbeddedMenuKind::Item:
        AddItem(parent, entry, widget);
        break;
      case EmbeddedMenuKind::Separator:
        if (parent->bar) {
          parent->bar->addSeparator();
        } else {
          parent->popup->addSeparator();
        }
        parent->itemPopups.push_back(nullptr);
        break;
    }
  }
  return bar;
}

HMENU WINAPI GetMenu(HWND hWnd) {
  DialogWindow* dialog = LiveDialog(hWnd);
  return dialog ? dialog->Menu() : nullptr;
}

HMENU WINAPI GetSubMenu(HMENU hMenu, int nPos) {
  if (hMenu == nullptr || nPos < 0 || nPos >= static_cast<int>(hMenu->itemPopups.size())) {
    return nullptr;
  }
  return hMenu->itemPopups[nPos];
}

BOOL WINAPI TrackPopupMenu(HMENU hMenu, UINT, int x, int y, int, HWND hWnd, const RECT*) {
  if (hMenu == nullptr || hMenu->popup == nullptr || LiveDialog(hWnd) == nullptr) return FALSE;
  hMenu->tracking = true;
  QAction* chosen = hMenu->popup->exec(QPoint(x, y));
  hMenu->tracking = false;
  if (chosen != nullptr && chosen->data().isValid()) {
    PostToDialog(hWnd, WM_COMMAND, static_cast<WORD>(chosen->data().toInt()), 0);
  }
  return TRUE;
}
