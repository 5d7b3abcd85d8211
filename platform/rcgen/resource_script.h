// Reading a Win32 resource script (.rc) into dialog and menu templates,
// icons and version information.
//
// The subset read is what the program's script uses:
//   #include <header> / "header"     only the headers' #define lines count
//   #pragma code_page(65001)         the script is UTF-8; required before any
//                                    non-ASCII text
//   id DIALOGEX x, y, cx, cy         with STYLE, EXSTYLE, CAPTION, MENU and
//                                    FONT size, "face"[, weight[, italic[, charset]]]
//     BEGIN CONTROL "text", id, "class", style, x, y, cx, cy[, exstyle] ... END
//   id MENU BEGIN POPUP "text" BEGIN ... END, MENUITEM "text", id[, GRAYED],
//     MENUITEM SEPARATOR ... END
//   id ICON "file.ico"               looked for next to the script, then in
//                                    the include folders; must be an icon file
//   id RT_MANIFEST "file"            the application manifest, found as an icon
//                                    is; its bytes are kept as they are
//   id VERSIONINFO                   with FILEVERSION and PRODUCTVERSION (up to
//                                    four numbers), FILEFLAGSMASK, FILEFLAGS,
//                                    FILEOS, FILETYPE and FILESUBTYPE
//     BEGIN BLOCK "StringFileInfo" BEGIN BLOCK "040904E4" BEGIN
//       VALUE "key", "text" ... END END
//     BLOCK "VarFileInfo" BEGIN VALUE "Translation", language, code page ... END END
// Identifiers, styles and coordinates are numbers or defined names combined
// with "|", unary "-" and parentheses. A text is one or more strings in
// quotes or names defined as one, side by side ("Versioon " VERSION). As a
// Windows resource compiler does, CAPTION adds WS_CAPTION and FONT adds
// DS_SETFONT to the dialog's style, and every control gets WS_CHILD and
// WS_VISIBLE. Texts are kept in the program's code page 1257; a letter that
// it lacks is refused. Anything else is refused with file, line and reason.
#ifndef OMBRIX_PLATFORM_RCGEN_RESOURCE_SCRIPT_H
#define OMBRIX_PLATFORM_RCGEN_RESOURCE_SCRIPT_H

#include <cstdint>
#include <string>
#include <vector>

struct ControlResource {
  std::string text;
  int id;
  std::string className;
  uint32_t style;
  uint32_t exStyle;
  int x, y, cx, cy;
};

struct DialogResource {
  int id;
  int x, y, cx, cy;
  uint32_t style;
  uint32_t exStyle;
  std::string caption;
  int menuId;  // 0: no menu
  std::string fontName;
  int fontPoints, fontWeight, fontItalic;
  std::vector<ControlResource> controls;
};

enum class MenuEntryKind { Popup, Item, Separator };

// A menu is its entries in script order; level 0 is the menu bar, and a
// popup's entries follow it one level deeper.
struct MenuEntryResource {
  int level;
  MenuEntryKind kind;
  std::string text;
  int id;
  bool grayed;
};

struct MenuResource {
  int id;
  std::vector<MenuEntryResource> entries;
};

struct IconResource {
  int id;
  std::string bytes;  // the whole .ico file
};

struct ManifestResource {
  int id;
  std::string bytes;  // the whole file
};

// One string table of the version information: its language and code page
// as eight hexadecimal digits, and its keys and texts in script order.
struct VersionStrings {
  std::string block;
  std::vector<std::pair<std::string, std::string>> values;
};

struct VersionInfoResource {
  int id;
  uint16_t fileVersion[4];
  uint16_t productVersion[4];
  uint32_t fileFlagsMask, fileFlags, fileOs, fileType, fileSubtype;
  std::vector<VersionStrings> stringTables;
  std::vector<uint16_t> translations;  // language, code page, ...
};

struct ResourceScript {
  std::vector<DialogResource> dialogs;
  std::vector<MenuResource> menus;
  std::vector<IconResource> icons;
  std::vector<ManifestResource> manifests;
  std::vector<VersionInfoResource> versionInfos;
};

// Reads the script at path; includes in angle brackets are looked for in
// includeDirs, quoted ones next to the script first. Returns true, or false
// with *error as "file:line: error: reason".
bool ParseResourceScript(const std::string& path, const std::vector<std::string>& includeDirs,
                         ResourceScript* script, std::string* error);

#endif
