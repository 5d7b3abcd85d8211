#include "platform/qt/edit_menu.h"

bool OpensEditMenu(const QKeyEvent* event) {
  Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  return (event->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
         (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

void ShowEditMenu(QWidget* control, QMenu* menu) {
  menu->exec(control->mapToGlobal(control->rect().center()));
  delete menu;
}
