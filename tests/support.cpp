#include "tests/support.h"

#include <fstream>
#include <iterator>
#include <map>

#include "date/birth_date.h"
#include "report/report.h"
#include "tables/buffers.h"
#include "tables/embedded_tables.h"

const std::string& TableBytes(int id) {
  static std::map<int, std::string> tables;
  auto found = tables.find(id);
  if (found != tables.end()) return found->second;
  const EmbeddedTable* table = FindEmbeddedTable(id);
  std::string bytes = table ? std::string(table->bytes, static_cast<size_t>(table->size)) : "";
  return tables.emplace(id, bytes).first->second;
}

std::string Row(int id, const std::string& label) {
  const std::string& table = TableBytes(id);
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

std::string Row(int id, int label) {
  return Row(id, std::to_string(label));
}

std::vector<std::string> Fields(int id, const std::string& label) {
  const std::string& table = TableBytes(id);
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

std::string Fill(std::string format, std::initializer_list<std::string> values) {
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

std::string Fill(const std::string& format, int value) {
  return Fill(format, {std::to_string(value)});
}

std::string ComposedReport(const char* typedDate) {
  BirthDate date;
  if (ParseDateText(typedDate, &date) != 0) return "(no date)";
  ComposeReport(date);
  return ReportText;
}

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return "(no file)";
  return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
