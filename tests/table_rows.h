// Reading the embedded knowledge base the plain way, to state what a report
// must hold: a row is found by its exact label, not by the program's first
// occurrence search, so a table whose rows stand in the wrong order shows.
#ifndef OMBRIX_TESTS_TABLE_ROWS_H
#define OMBRIX_TESTS_TABLE_ROWS_H

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "tables/embedded_tables.h"

// The exact bytes of a table; empty for an unknown identifier.
inline const std::string& Table(int id) {
  static std::map<int, std::string> tables;
  auto found = tables.find(id);
  if (found != tables.end()) return found->second;
  const EmbeddedTable* table = FindEmbeddedTable(id);
  std::string bytes = table ? std::string(table->bytes, static_cast<size_t>(table->size)) : "";
  return tables.emplace(id, bytes).first->second;
}

// The text of the line row labelled label: behind the label, an optional
// full stop and the blanks, up to the line end. "<no row>" when none has
// exactly this label.
inline std::string Row(int id, const std::string& label) {
  const std::string& table = Table(id);
  for (size_t at = table.find("\r\n" + label); at != std::string::npos;
       at = table.find("\r\n" + label, at + 1)) {
    size_t text = at + 2 + label.size();
    if (table.compare(text, 1, ".") == 0) ++text;
    if (table.compare(text, 1, " ") != 0) continue;
    text = table.find_first_not_of(' ', text);
    return table.substr(text, table.find("\r\n", text) - text);
  }
  return "<no row>";
}

// The fields of the field row labelled label, field 0 first; empty when
// none has exactly this label.
inline std::vector<std::string> Fields(int id, const std::string& label) {
  const std::string& table = Table(id);
  size_t at = table.find("\r\n" + label + "\t");
  if (at == std::string::npos) return {};
  std::vector<std::string> fields;
  size_t start = at + 2 + label.size();
  size_t end = table.find("\r\n", start);
  for (size_t tab = table.find('\t', start); tab < end; tab = table.find('\t', start)) {
    fields.push_back(table.substr(start, tab - start));
    start = tab + 1;
  }
  return fields;
}

inline std::string Row(int id, int label) {
  return Row(id, std::to_string(label));
}

// The format with its placeholders ("%li", "%s") filled in order.
inline std::string Fill(std::string format, std::initializer_list<std::string> values) {
  size_t from = 0;
  for (const std::string& value : values) {
    size_t li = format.find("%li", from);
    size_t s = format.find("%s", from);
    size_t at = li < s ? li : s;
    if (at == std::string::npos) return format + "<too many values>";
    format.replace(at, li < s ? 3 : 2, value);
    from = at + value.size();
  }
  return format;
}

inline std::string Fill(const std::string& format, int value) {
  return Fill(format, {std::to_string(value)});
}

#endif
