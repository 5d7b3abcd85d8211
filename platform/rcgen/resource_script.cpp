#include "platform/rcgen/resource_script.h"

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "platform/include/windows.h"
#include "platform/rcgen/header_defines.h"
#include "platform/rcgen/script_expression.h"
#include "platform/rcgen/script_tokens.h"
#include "text/code_page.h"

namespace {

// Styles that the resource compiler adds by itself: those the program names
// come from the layer's windows.h, which the script includes too; these two
// only a resource compiler needs.
constexpr uint32_t kWsChild = 0x40000000;
constexpr uint32_t kWsBorder = 0x00800000;
constexpr int kUtf8CodePage = 65001;
constexpr int64_t kManifestType = 24;

constexpr uint32_t kMaxWord = 0xFFFF;

bool ReadFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::stringstream buffer;
  buffer << in.rdbuf();
  *text = buffer.str();
  return true;
}

// An .ico file: a header with type 1 and at least one image, and every
// image's bytes within the file.
bool IsIconFile(const std::string& bytes) {
  constexpr size_t kHeaderSize = 6;
  constexpr size_t kEntrySize = 16;
  auto byte = [&](size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at]));
  };
  auto word = [&](size_t at) { return byte(at) | byte(at + 1) << 8; };
  auto dword = [&](size_t at) { return word(at) | word(at + 2) << 16; };
  if (bytes.size() < kHeaderSize || word(0) != 0 || word(2) != 1 || word(4) == 0) return false;
  size_t count = word(4);
  size_t imagesStart = kHeaderSize + kEntrySize * count;
  if (bytes.size() < imagesStart) return false;
  for (size_t i = 0; i < count; ++i) {
    size_t entry = kHeaderSize + kEntrySize * i;
    size_t size = dword(entry + 8);
    size_t offset = dword(entry + 12);
    if (size == 0 || offset < imagesStart || offset > bytes.size() ||
        size > bytes.size() - offset) {
      return false;
    }
  }
  return true;
}

std::string Shown(const Token& token) {
  switch (token.kind) {
    case TokenKind::End:
      return "the end of the file";
    case TokenKind::String:
      return "a string";
    default:
      return "'" + token.text + "'";
  }
}

class ScriptParser {
 public:
  ScriptParser(const std::string& path, const std::vector<std::string>& includeDirs,
               const std::vector<Token>& tokens)
      : path_(path), includeDirs_(includeDirs), cursor_{tokens, path_, 0} {}

  ResourceScript Run() {
    while (Peek().kind != TokenKind::End) {
      if (Peek().kind == TokenKind::Directive) {
        Directive(cursor_.Take());
      } else {
        Resource();
      }
    }
    CheckReferences();
    return script_;
  }

 private:
  const Token& Peek() const { return cursor_.Peek(); }

  [[noreturn]] void Fail(const Token& at, const std::string& reason) const {
    throw ScriptError(path_, at.line, reason);
  }

  bool AtName(const char* name) const {
    return Peek().kind == TokenKind::Name && Peek().text == name;
  }

  void ExpectName(const char* name) {
    if (!AtName(name)) Fail(Peek(), std::string("expected ") + name + ", found " + Shown(Peek()));
    cursor_.Take();
  }

  void ExpectComma() {
    if (!cursor_.AtPunct(',')) Fail(Peek(), "expected ',', found " + Shown(Peek()));
    cursor_.Take();
  }

  // Strings in quotes and names defined as one, side by side, joined as a
  // resource compiler's preprocessor joins them; in code page 1257.
  std::string TakeString(const char* what) {
    const Token& first = Peek();
    std::string text;
    bool found = false;
    for (;;) {
      std::string piece;
      if (Peek().kind == TokenKind::String) {
        text += cursor_.Take().text;
      } else if (Peek().kind == TokenKind::Name && DefinedText(defines_, Peek().text, &piece)) {
        cursor_.Take();
        text += piece;
      } else {
        break;
      }
      found = true;
    }
    if (!found) {
      Fail(first, std::string("expected ") + what + " in quotes, found " + Shown(first));
    }
    return InCodePage(first, text);
  }

  // The script's UTF-8 as the program's code page 1257, or a refusal.
  std::string InCodePage(const Token& at, const std::string& text) const {
    bool ascii = true;
    for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return text;
    if (codePage_ != kUtf8CodePage) {
      Fail(at, "non-ASCII text needs #pragma code_page(65001) before it");
    }
    std::string converted = CodePageFromUtf8(text);
    if (Utf8FromCodePage(converted) != text) {
      Fail(at, "the text is not UTF-8 or has a letter that code page 1257 lacks");
    }
    return converted;
  }

  int64_t TakeNumber(const char* what, int64_t low, int64_t high) {
    const Token& at = Peek();
    int64_t value = ReadExpression(cursor_, defines_);
    if (value < low || value > high) {
      Fail(at, std::string(what) + " " + std::to_string(value) + " is out of range");
    }
    return value;
  }

  int TakeId(const char* what) { return static_cast<int>(TakeNumber(what, -32768, 65535)); }
  int TakeCoordinate() { return static_cast<int>(TakeNumber("coordinate", -32768, 32767)); }
  uint32_t TakeStyle() {
    return static_cast<uint32_t>(TakeNumber("style", -2147483648LL, 0xFFFFFFFFLL));
  }

  void Directive(const Token& token) {
    static const std::regex kSystemInclude(R"(#\s*include\s*<([^>]+)>)");
    static const std::regex kLocalInclude(R"(#\s*include\s*"([^"]+)\")");
    static const std::regex kCodePage(R"(#\s*pragma\s+code_page\s*\(\s*([0-9]+)\s*\))");
    std::smatch match;
    if (std::regex_match(token.text, match, kSystemInclude)) {
      Include(token, match[1].str(), false);
    } else if (std::regex_match(token.text, match, kLocalInclude)) {
      Include(token, match[1].str(), true);
    } else if (std::regex_match(token.text, match, kCodePage)) {
      codePage_ = std::stoi(match[1].str());
      if (codePage_ != kUtf8CodePage) Fail(token, "only code page 65001 (UTF-8) is supported");
    } else {
      Fail(token, "unsupported preprocessor line '" + token.text + "'");
    }
  }

  // The folders a file named in the script is looked for in: the script's
  // own first when asked, then the include folders.
  std::vector<std::string> SearchFolders(bool besideScript) const {
    std::vector<std::string> dirs;
    if (besideScript) {
      size_t slash = path_.find_last_of('/');
      dirs.push_back(slash == std::string::npos ? "." : path_.substr(0, slash));
    }
    dirs.insert(dirs.end(), includeDirs_.begin(), includeDirs_.end());
    return dirs;
  }

  void Include(const Token& token, const std::string& name, bool local) {
    for (const std::string& dir : SearchFolders(local)) {
      if (ReadHeaderDefines(dir + "/" + name, &defines_)) return;
    }
    Fail(token, "cannot find the header '" + name + "'");
  }

  void Resource() {
    const Token& start = Peek();
    if (start.kind == TokenKind::Name && defines_.count(start.text) == 0) {
      Fail(start, "'" + start.text +
                      "' is not a defined identifier (only DIALOGEX, MENU, ICON, VERSIONINFO "
                      "and RT_MANIFEST resources with numeric identifiers are supported)");
    }
    int id = TakeId("resource identifier");
    if (AtName("DIALOGEX")) {
      cursor_.Take();
      Dialog(id, start);
    } else if (AtName("MENU")) {
      cursor_.Take();
      Menu(id, start);
    } else if (AtName("ICON")) {
      cursor_.Take();
      Icon(id, start);
    } else if (AtName("VERSIONINFO")) {
      cursor_.Take();
      VersionInfo(id, start);
    } else if (AtName("RT_MANIFEST")) {
      TakeNumber("manifest resource type", kManifestType, kManifestType);
      Manifest(id, start);
    } else {
      Fail(Peek(), "unsupported resource type " + Shown(Peek()) +
                       " (DIALOGEX, MENU, ICON, VERSIONINFO or RT_MANIFEST)");
    }
  }

  // The bytes of a file that the script names, looked for next to it and
  // then in the include folders.
  std::string NamedFile(const char* what) {
    const Token& file = Peek();
    std::string name = TakeString(what);
    std::string bytes;
    for (const std::string& dir : SearchFolders(true)) {
      if (ReadFile(dir + "/" + name, &bytes)) return bytes;
    }
    Fail(file, std::string("cannot find ") + what + " '" + name + "'");
  }

  void Icon(int id, const Token& start) {
    for (const IconResource& other : script_.icons) {
      if (other.id == id) Fail(start, "icon " + std::to_string(id) + " is defined twice");
    }
    const Token& file = Peek();
    IconResource icon{id, NamedFile("the icon file")};
    if (!IsIconFile(icon.bytes)) Fail(file, "'" + file.text + "' is not an icon file");
    script_.icons.push_back(icon);
  }

  // Read only to know that it is there: nothing on Linux uses it.
  void Manifest(int id, const Token& start) {
    if (!script_.manifests.empty()) Fail(start, "the manifest is defined twice");
    script_.manifests.push_back({id, NamedFile("the manifest file")});
  }

  // The next statement's name before BEGIN, taken; nullptr at BEGIN.
  const Token* TakeStatement(const char* kind) {
    if (AtName("BEGIN")) return nullptr;
    const Token& statement = Peek();
    if (statement.kind != TokenKind::Name) {
      Fail(statement,
           std::string("expected a ") + kind + " statement or BEGIN, found " + Shown(statement));
    }
    cursor_.Take();
    return &statement;
  }

  void VersionInfo(int id, const Token& start) {
    if (!script_.versionInfos.empty()) Fail(start, "version information is defined twice");
    VersionInfoResource info{};
    info.id = id;
    while (const Token* statement = TakeStatement("version")) {
      if (statement->text == "FILEVERSION") {
        VersionNumbers(info.fileVersion);
      } else if (statement->text == "PRODUCTVERSION") {
        VersionNumbers(info.productVersion);
      } else if (statement->text == "FILEFLAGSMASK") {
        info.fileFlagsMask = TakeStyle();
      } else if (statement->text == "FILEFLAGS") {
        info.fileFlags = TakeStyle();
      } else if (statement->text == "FILEOS") {
        info.fileOs = TakeStyle();
      } else if (statement->text == "FILETYPE") {
        info.fileType = TakeStyle();
      } else if (statement->text == "FILESUBTYPE") {
        info.fileSubtype = TakeStyle();
      } else {
        Fail(*statement, "unsupported version statement '" + statement->text + "'");
      }
    }
    cursor_.Take();
    while (!AtName("END")) {
      ExpectName("BLOCK");
      const Token& block = Peek();
      std::string name = TakeString("the block name");
      if (name == "StringFileInfo") {
        StringFileInfo(&info);
      } else if (name == "VarFileInfo") {
        VarFileInfo(&info);
      } else {
        Fail(block, "unsupported version block \"" + name + "\" (StringFileInfo or VarFileInfo)");
      }
    }
    cursor_.Take();
    script_.versionInfos.push_back(info);
  }

  // One to four numbers; those left out are 0.
  void VersionNumbers(uint16_t* parts) {
    parts[0] = static_cast<uint16_t>(TakeNumber("version number", 0, kMaxWord));
    for (int i = 1; i < 4 && cursor_.AtPunct(','); ++i) {
      cursor_.Take();
      parts[i] = static_cast<uint16_t>(TakeNumber("version number", 0, kMaxWord));
    }
  }

  void StringFileInfo(VersionInfoResource* info) {
    static const std::regex kLanguageAndCodePage("[0-9A-Fa-f]{8}");
    ExpectName("BEGIN");
    while (!AtName("END")) {
      ExpectName("BLOCK");
      const Token& at = Peek();
      VersionStrings table{TakeString("the language and code page"), {}};
      if (!std::regex_match(table.block, kLanguageAndCodePage)) {
        Fail(at,
             "a string table is named by eight hexadecimal digits, not \"" + table.block + "\"");
      }
      ExpectName("BEGIN");
      while (!AtName("END")) {
        ExpectName("VALUE");
        std::string key = TakeString("the key");
        ExpectComma();
        table.values.push_back({key, TakeString("the text")});
      }
      cursor_.Take();
      info->stringTables.push_back(table);
    }
    cursor_.Take();
  }

  void VarFileInfo(VersionInfoResource* info) {
    ExpectName("BEGIN");
    while (!AtName("END")) {
      ExpectName("VALUE");
      const Token& at = Peek();
      std::string key = TakeString("the key");
      if (key != "Translation") Fail(at, "unsupported VarFileInfo value \"" + key + "\"");
      do {
        ExpectComma();
        info->translations.push_back(
            static_cast<uint16_t>(TakeNumber("translation value", 0, kMaxWord)));
      } while (cursor_.AtPunct(','));
    }
    cursor_.Take();
  }

  void Dialog(int id, const Token& start) {
    for (const DialogResource& other : script_.dialogs) {
      if (other.id == id) Fail(start, "dialog " + std::to_string(id) + " is defined twice");
    }
    DialogResource dialog{};
    dialog.id = id;
    dialog.style = WS_POPUP | kWsBorder | WS_SYSMENU;
    dialog.x = TakeCoordinate();
    ExpectComma();
    dialog.y = TakeCoordinate();
    ExpectComma();
    dialog.cx = TakeCoordinate();
    ExpectComma();
    dialog.cy = TakeCoordinate();
    bool hasCaption = false, hasFont = false;
    while (const Token* statement = TakeStatement("dialog")) {
      if (statement->text == "STYLE") {
        dialog.style = TakeStyle();
      } else if (statement->text == "EXSTYLE") {
        dialog.exStyle = TakeStyle();
      } else if (statement->text == "CAPTION") {
        dialog.caption = TakeString("the caption");
        hasCaption = true;
      } else if (statement->text == "MENU") {
        dialog.menuId = TakeId("menu identifier");
        menuReferences_.push_back({dialog.menuId, statement->line});
      } else if (statement->text == "FONT") {
        Font(&dialog);
        hasFont = true;
      } else {
        Fail(*statement, "unsupported dialog statement '" + statement->text + "'");
      }
    }
    if (hasCaption) dialog.style |= WS_CAPTION;
    if (hasFont) dialog.style |= DS_SETFONT;
    cursor_.Take();
    while (!AtName("END")) {
      if (!AtName("CONTROL")) {
        Fail(Peek(), "expected CONTROL or END, found " + Shown(Peek()) +
                         " (controls are written as CONTROL lines)");
      }
      cursor_.Take();
      dialog.controls.push_back(Control());
    }
    cursor_.Take();
    script_.dialogs.push_back(dialog);
  }

  void Font(DialogResource* dialog) {
    dialog->fontPoints = static_cast<int>(TakeNumber("point size", 1, 32767));
    ExpectComma();
    dialog->fontName = TakeString("the typeface");
    dialog->fontWeight = 400;
    int charset = 0;  // the widgets take the font's characters from Unicode
    int* optional[] = {&dialog->fontWeight, &dialog->fontItalic, &charset};
    for (int* field : optional) {
      if (!cursor_.AtPunct(',')) break;
      cursor_.Take();
      *field = static_cast<int>(TakeNumber("font value", 0, 1000));
    }
  }

  ControlResource Control() {
    ControlResource control{};
    control.text = TakeString("the control text");
    ExpectComma();
    control.id = TakeId("control identifier");
    ExpectComma();
    control.className = TakeString("the window class");
    ExpectComma();
    control.style = TakeStyle() | kWsChild | WS_VISIBLE;
    int* coordinates[] = {&control.x, &control.y, &control.cx, &control.cy};
    for (int* coordinate : coordinates) {
      ExpectComma();
      *coordinate = TakeCoordinate();
    }
    if (cursor_.AtPunct(',')) {
      cursor_.Take();
      control.exStyle = TakeStyle();
    }
    return control;
  }

  void Menu(int id, const Token& start) {
    for (const MenuResource& other : script_.menus) {
      if (other.id == id) Fail(start, "menu " + std::to_string(id) + " is defined twice");
    }
    MenuResource menu{id, {}};
    MenuBlock(0, &menu);
    script_.menus.push_back(menu);
  }

  // BEGIN, the entries of one level, END.
  void MenuBlock(int level, MenuResource* menu) {
    ExpectName("BEGIN");
    while (!AtName("END")) {
      const Token& entry = Peek();
      if (AtName("POPUP")) {
        cursor_.Take();
        menu->entries.push_back(
            {level, MenuEntryKind::Popup, TakeString("the popup text"), 0, false});
        MenuBlock(level + 1, menu);
      } else if (AtName("MENUITEM")) {
        cursor_.Take();
        menu->entries.push_back(MenuItem(level));
      } else {
        Fail(entry, "expected POPUP, MENUITEM or END, found " + Shown(entry));
      }
    }
    cursor_.Take();
  }

  MenuEntryResource MenuItem(int level) {
    if (AtName("SEPARATOR")) {
      cursor_.Take();
      return {level, MenuEntryKind::Separator, "", 0, false};
    }
    MenuEntryResource item{level, MenuEntryKind::Item, TakeString("the item text"), 0, false};
    ExpectComma();
    item.id = TakeId("menu item identifier");
    while (cursor_.AtPunct(',')) {
      cursor_.Take();
      const Token& option = Peek();
      if (!AtName("GRAYED")) Fail(option, "unsupported menu item option " + Shown(option));
      cursor_.Take();
      item.grayed = true;
    }
    return item;
  }

  void CheckReferences() const {
    for (const auto& [menuId, line] : menuReferences_) {
      bool found = false;
      for (const MenuResource& menu : script_.menus) found = found || menu.id == menuId;
      if (!found) {
        throw ScriptError(path_, line, "menu " + std::to_string(menuId) + " is not defined");
      }
    }
  }

  std::string path_;
  const std::vector<std::string>& includeDirs_;
  TokenCursor cursor_;
  Defines defines_;
  int codePage_ = 0;
  std::vector<std::pair<int, int>> menuReferences_;
  ResourceScript script_;
};

}  // namespace

bool ParseResourceScript(const std::string& path, const std::vector<std::string>& includeDirs,
                         ResourceScript* script, std::string* error) {
  std::string text;
  if (!ReadFile(path, &text)) {
    *error = path + ":0: error: cannot read the file";
    return false;
  }
  try {
    std::vector<Token> tokens = Tokenize(path, text);
    *script = ScriptParser(path, includeDirs, tokens).Run();
    return true;
  } catch (const ScriptError& e) {
    *error = e.what();
    return false;
  }
}
