// The dialog and menu templates and the icons of the program's resource
// script, as rcgen embeds them. Texts are NUL-terminated code page 1257;
// coordinates are dialog units; styles are Win32 style bits.
//
// These mirror the types rcgen parses into (resource_script.h) on purpose:
// those own their texts and lists while rcgen runs, these are constants in
// the program, written out by embedded_source.cpp.
#ifndef OMBRIX_PLATFORM_RCGEN_EMBEDDED_RESOURCES_H
#define OMBRIX_PLATFORM_RCGEN_EMBEDDED_RESOURCES_H

#include <cstdint>

struct EmbeddedControl {
  const char* text;
  int id;
  const char* className;
  uint32_t style;
  uint32_t exStyle;
  int x, y, cx, cy;
};

struct EmbeddedDialog {
  int id;
  int x, y, cx, cy;
  uint32_t style;
  uint32_t exStyle;
  const char* caption;
  int menuId;  // 0: no menu
  const char* fontName;
  int fontPoints, fontWeight, fontItalic;
  const EmbeddedControl* controls;
  int controlCount;
};

enum class EmbeddedMenuKind { Popup, Item, Separator };

// Entries in script order; level 0 is the menu bar, a popup's entries follow
// it one level deeper.
struct EmbeddedMenuEntry {
  int level;
  EmbeddedMenuKind kind;
  const char* text;
  int id;
  bool grayed;
};

struct EmbeddedMenu {
  int id;
  const EmbeddedMenuEntry* entries;
  int entryCount;
};

// An icon group: the bytes of its .ico file.
struct EmbeddedIcon {
  int id;
  const unsigned char* bytes;
  int size;
};

// The template with this identifier, or nullptr.
const EmbeddedDialog* FindEmbeddedDialog(int id);
const EmbeddedMenu* FindEmbeddedMenu(int id);

// The icon group with the lowest identifier, which Windows shows as the
// program file's icon; nullptr when the script has none.
const EmbeddedIcon* ProgramIcon();

#endif
