#include "platform/rcgen/embedded_source.h"

#include <cstdio>
#include <sstream>

namespace {

// A C string literal of the bytes; octal escapes never run into the next
// character, since they stop after three digits.
std::string Literal(const std::string& bytes) {
  std::string out = "\"";
  for (char c : bytes) {
    unsigned char b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (b < 0x20 || b >= 0x7F || c == '?') {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\%03o", b);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08Xu", value);
  return text;
}

const char* KindName(MenuEntryKind kind) {
  switch (kind) {
    case MenuEntryKind::Popup:
      return "EmbeddedMenuKind::Popup";
    case MenuEntryKind::Item:
      return "EmbeddedMenuKind::Item";
    default:
      return "EmbeddedMenuKind::Separator";
  }
}

void WriteDialogs(std::ostringstream& out, const ResourceScript& script) {
  for (const DialogResource& dialog : script.dialogs) {
    out << "const EmbeddedControl kControls" << dialog.id << "[] = {\n";
    for (const ControlResource& c : dialog.controls) {
      out << "    {" << Literal(c.text) << ", " << c.id << ", " << Literal(c.className) << ", "
          << Hex(c.style) << ", " << Hex(c.exStyle) << ", " << c.x << ", " << c.y << ", " << c.cx
          << ", " << c.cy << "},\n";
    }
    out << "    {}};\n\n";
  }
  out << "const EmbeddedDialog kDialogs[] = {\n";
  for (const DialogResource& d : script.dialogs) {
    out << "    {" << d.id << ", " << d.x << ", " << d.y << ", " << d.cx << ", " << d.cy << ", "
        << Hex(d.style) << ", " << Hex(d.exStyle) << ", " << Literal(d.caption) << ", " << d.menuId
        << ", " << Literal(d.fontName) << ", " << d.fontPoints << ", " << d.fontWeight << ", "
        << d.fontItalic << ", kControls" << d.id << ", " << d.controls.size() << "},\n";
  }
  out << "    {}};\n\n";
}

void WriteMenus(std::ostringstream& out, const ResourceScript& script) {
  for (const MenuResource& menu : script.menus) {
    out << "const EmbeddedMenuEntry kEntries" << menu.id << "[] = {\n";
    for (const MenuEntryResource& e : menu.entries) {
      out << "    {" << e.level << ", " << KindName(e.kind) << ", " << Literal(e.text) << ", "
          << e.id << ", " << (e.grayed ? "true" : "false") << "},\n";
    }
    out << "    {}};\n\n";
  }
  out << "const EmbeddedMenu kMenus[] = {\n";
  for (const MenuResource& menu : script.menus) {
    out << "    {" << menu.id << ", kEntries" << menu.id << ", " << menu.entries.size() << "},\n";
  }
  out << "    {}};\n\n";
}

void WriteIcons(std::ostringstream& out, const ResourceScript& script) {
  constexpr size_t kBytesPerLine = 16;
  for (const IconResource& icon : script.icons) {
    out << "const unsigned char kIcon" << icon.id << "[] = {";
    for (size_t i = 0; i < icon.bytes.size(); ++i) {
      char byte[8];
      std::snprintf(byte, sizeof byte, "0x%02X,", static_cast<unsigned char>(icon.bytes[i]));
      out << (i % kBytesPerLine == 0 ? "\n    " : " ") << byte;
    }
    out << "};\n\n";
  }
  out << "const EmbeddedIcon kIcons[] = {\n";
  for (const IconResource& icon : script.icons) {
    out << "    {" << icon.id << ", kIcon" << icon.id << ", " << icon.bytes.size() << "},\n";
  }
  out << "    {}};\n\n";
}

}  // namespace

std::string EmbeddedSource(const ResourceScript& script, const std::string& scriptName) {
  std::ostringstream out;
  out << "// Generated from " << scriptName << " by rcgen. Do not edit.\n"
      << "#include \"platform/rcgen/embedded_resources.h\"\n\nnamespace {\n\n";
  WriteDialogs(out, script);
  WriteMenus(out, script);
  WriteIcons(out, script);
  // Each table ends with an empty entry, so that none is ever empty.
  out << "}  // namespace\n\n"
      << "const EmbeddedDialog* FindEmbeddedDialog(int id) {\n"
      << "  for (const EmbeddedDialog* d = kDialogs; d->controls != nullptr; ++d) {\n"
      << "    if (d->id == id) return d;\n"
      << "  }\n"
      << "  return nullptr;\n"
      << "}\n\n"
      << "const EmbeddedMenu* FindEmbeddedMenu(int id) {\n"
      << "  for (const EmbeddedMenu* m = kMenus; m->entries != nullptr; ++m) {\n"
      << "    if (m->id == id) return m;\n"
      << "  }\n"
      << "  return nullptr;\n"
      << "}\n\n"
      << "const EmbeddedIcon* ProgramIcon() {\n"
      << "  const EmbeddedIcon* lowest = nullptr;\n"
      << "  for (const EmbeddedIcon* i = kIcons; i->bytes != nullptr; ++i) {\n"
      << "    if (lowest == nullptr || i->id < lowest->id) lowest = i;\n"
      << "  }\n"
      << "  return lowest;\n"
      << "}\n";
  return out.str();
}
