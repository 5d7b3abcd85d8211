// Build-time converter of the knowledge base.
//
// Reads the table sources (tables/kb/<TableId>.txt: UTF-8, LF line ends),
// checks them, turns every LF into CR LF, converts the text to code page 1257
// with the program's one converter (strictly: nothing may become "?"), and
// writes a C++ source that embeds the exact bytes of each table under its
// identifier. With --raw-dir it also writes each converted table as
// <dir>/<TableId>.bin. With --rc (and --raw-dir) the tables become resources
// instead: it writes a resource script that makes each .bin an RCDATA
// resource named by its TableId, and the C++ source then lists the tables
// without their bytes, which are read from the program's resources when it
// starts (the Windows build).
//
// A table is refused, naming file, line and reason, when it holds a character
// other than printable ASCII, TAB and the Estonian letters, a CR or a NUL,
// when it does not begin with a line end (the month table 32000: a TAB and a
// line end) or does not end with one, or when it and its NUL would not fit
// the buffer a table is loaded into (tables/buffers.h).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "text/code_page.h"

namespace {

// A loaded table is followed by its NUL.
constexpr size_t kMaxTableSize = kTextBufferSize - 1;

struct Table {
  int id;
  std::string bytes;
};

[[noreturn]] void Refuse(const std::string& file, int line, const std::string& reason) {
  std::cerr << file << ":" << line << ": error: " << reason << "\n";
  std::exit(1);
}

bool IsAllowedLetter(char32_t c) {
  static const char32_t kLetters[] = {U'õ', U'ä', U'ö', U'ü', U'š', U'ž',
                                      U'Õ', U'Ä', U'Ö', U'Ü', U'Š', U'Ž'};
  return std::find(std::begin(kLetters), std::end(kLetters), c) != std::end(kLetters);
}

void CheckCharacters(const std::string& file, const std::string& text) {
  int line = 1;
  for (size_t i = 0; i < text.size();) {
    char32_t c = 0;
    int length = DecodeUtf8(text, i, &c);
    if (length == 0) Refuse(file, line, "malformed UTF-8");
    if (c == U'\n') {
      ++line;
    } else if (c == 0) {
      Refuse(file, line, "NUL character");
    } else if (c == U'\r') {
      Refuse(file, line, "CR character (sources use LF line ends)");
    } else if (!(c == U'\t' || (c >= 0x20 && c <= 0x7E) || IsAllowedLetter(c))) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
      Refuse(file, line, std::string("character ") + code + " is not allowed in a table");
    }
    i += length;
  }
}

Table ConvertTable(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) Refuse(file, 0, "cannot read the file");
  std::stringstream buffer;
  buffer << in.rdbuf();
  std::string text = buffer.str();

  std::string stem = file.substr(file.find_last_of('/') + 1);
  stem = stem.substr(0, stem.find('.'));
  if (stem.empty() || stem.find_first_not_of("0123456789") != std::string::npos) {
    Refuse(file, 0, "the file name must be the table's numeric identifier");
  }
  int id = std::stoi(stem);

  CheckCharacters(file, text);
  const char* start = id == kMonthTableId ? "\t\n" : "\n";
  if (text.rfind(start, 0) != 0) {
    Refuse(file, 1,
           id == kMonthTableId ? "the table must begin with a TAB and a line end"
                               : "the table must begin with a line end");
  }
  if (text.back() != '\n') {
    Refuse(file, static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1,
           "the table must end with a line end");
  }

  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  std::string bytes;
  if (!CodePageFromUtf8Strictly(crlf, &bytes))
    Refuse(file, 0, "the table does not fit code page 1257");
  if (bytes.size() > kMaxTableSize) {
    Refuse(file, 0,
           "the table has " + std::to_string(bytes.size()) + " bytes, more than " +
               std::to_string(kMaxTableSize));
  }
  return {id, bytes};
}

void WriteSource(const std::string& path, const std::vector<Table>& tables, bool asResources) {
  std::ofstream out(path, std::ios::binary);
  out << "// Generated from tables/kb by kb_convert. Do not edit.\n"
      << (asResources ? "#include \"platform/win32/resource_table.h\"\n\n"
                      : "#include \"tables/embedded_tables.h\"\n\n");
  if (asResources) {
    out << "// The bytes are the program's RCDATA resources, read at start-up.\n"
           "const EmbeddedTable kEmbeddedTables[] = {\n";
    for (const Table& table : tables) out << "    ResourceTable(" << table.id << "),\n";
  } else {
    out << "namespace {\n";
    for (const Table& table : tables) {
      out << "const char kTable" << table.id << "[] = {";
      for (size_t i = 0; i < table.bytes.size(); ++i) {
        out << (i % 20 == 0 ? "\n    " : " ")
            << static_cast<int>(static_cast<signed char>(table.bytes[i])) << ",";
      }
      out << " 0};\n";
    }
    out << "}  // namespace\n\nconst EmbeddedTable kEmbeddedTables[] = {\n";
    for (const Table& table : tables) {
      out << "    {" << table.id << ", kTable" << table.id << ", " << table.bytes.size() << "},\n";
    }
  }
  out << "};\n\nconst int kEmbeddedTableCount = " << tables.size() << ";\n\n"
      << "const EmbeddedTable* FindEmbeddedTable(int tableId) {\n"
         "  for (const EmbeddedTable& table : kEmbeddedTables) {\n"
         "    if (table.id == tableId) return &table;\n"
         "  }\n"
         "  return nullptr;\n"
         "}\n";
  if (!out) Refuse(path, 0, "cannot write the generated source");
}

std::string RawPath(const std::string& dir, const Table& table) {
  return dir + "/" + std::to_string(table.id) + ".bin";
}

void WriteRaw(const std::string& dir, const Table& table) {
  std::string path = RawPath(dir, table);
  std::ofstream out(path, std::ios::binary);
  out.write(table.bytes.data(), static_cast<std::streamsize>(table.bytes.size()));
  if (!out) Refuse(path, 0, "cannot write the converted table");
}

// One RCDATA resource per table, named by its TableId.
void WriteResourceScript(const std::string& path, const std::string& rawDir,
                         const std::vector<Table>& tables) {
  std::ofstream out(path, std::ios::binary);
  out << "// Generated from tables/kb by kb_convert. Do not edit.\n";
  for (const Table& table : tables) {
    out << table.id << " RCDATA \"" << RawPath(rawDir, table) << "\"\n";
  }
  if (!out) Refuse(path, 0, "cannot write the resource script");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: kb_convert OUTPUT.cpp [--raw-dir DIR [--rc SCRIPT.rc]] TABLE.txt...\n";
    return 2;
  }
  std::string rawDir;
  std::string resourceScript;
  std::vector<Table> tables;
  for (int i = 2; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--raw-dir" && i + 1 < argc) {
      rawDir = argv[++i];
      continue;
    }
    if (arg == "--rc" && i + 1 < argc) {
      resourceScript = argv[++i];
      continue;
    }
    tables.push_back(ConvertTable(arg));
  }
  std::sort(tables.begin(), tables.end(),
            [](const Table& a, const Table& b) { return a.id < b.id; });
  for (size_t i = 1; i < tables.size(); ++i) {
    if (tables[i].id == tables[i - 1].id) Refuse(argv[1], 0, "two tables share an identifier");
  }
  if (!resourceScript.empty() && rawDir.empty()) Refuse(resourceScript, 0, "--rc needs --raw-dir");
  WriteSource(argv[1], tables, !resourceScript.empty());
  if (!rawDir.empty()) {
    for (const Table& table : tables) WriteRaw(rawDir, table);
  }
  if (!resourceScript.empty()) WriteResourceScript(resourceScript, rawDir, tables);
  return 0;
}
