// Reading a Win32 resource script (.rc) into dialog and menu templates.
//
// The subset read is what the program's script uses:
//   #include <header> / "header"     only the headers' #define lines count
//   #pragma code_page(1257)          required before any non-ASCII text
//   id DIALOGEX x, y, cx, cy         with STYLE, EXSTYLE, CAPTION, MENU and
//                                    FONT size, "face"[, weight[, italic[, charset]]]
//     BEGIN CONTROL "text", id, "class", style, x, y, cx, cy[, exstyle] ... END
//   id MENU BEGIN POPUP "text" BEGIN ... END, MENUITEM "text", id[, GRAYED],
//     MENUITEM SEPARATOR ... END
// Identifiers, styles and coordinates are numbers or defined names combined
// with "|", unary "-" and parentheses. As a Windows resource compiler does,
// CAPTION adds WS_CAPTION and FONT adds DS_SETFONT to the dialog's style, and
// every control gets WS_CHILD and WS_VISIBLE. Texts keep the script's bytes
// (code page 1257). Anything else is refused with file, line and reason.
#ifndef OMBRIX_PLATFORM_RCGEN_RESOURCE_SCRIPT_H
#define OMBRIX_PLATFORM_RCGEN_RESOURCE_SCRIPT_H

#include <cstdint>
#include <string>
#include <vector>

struct ControlSpec {
  std::string text;
  int id;
  std::string className;
  uint32_t style;
  uint32_t exStyle;
  int x, y, cx, cy;
};

struct DialogSpec {
  int id;
  int x, y, cx, cy;
  uint32_t style;
  uint32_t exStyle;
  std::string caption;
  int menuId;  // 0: no menu
  std::string fontName;
  int fontPoints, fontWeight, fontItalic, fontCharset;
  std::vector<ControlSpec> controls;
};

enum class MenuEntryKind { Popup, Item, Separator };

// A menu is its entries in script order; level 0 is the menu bar, and a
// popup's entries follow it one level deeper.
struct MenuEntrySpec {
  int level;
  MenuEntryKind kind;
  std::string text;
  int id;
  bool grayed;
};

struct MenuSpec {
  int id;
  std::vector<MenuEntrySpec> entries;
};

struct ResourceScript {
  std::vector<DialogSpec> dialogs;
  std::vector<MenuSpec> menus;
};

// Reads the script at path; includes in angle brackets are looked for in
// includeDirs, quoted ones next to the script first. Returns true, or false
// with *error as "file:line: error: reason".
bool ParseResourceScript(const std::string& path, const std::vector<std::string>& includeDirs,
                         ResourceScript* script, std::string* error);

#endif
