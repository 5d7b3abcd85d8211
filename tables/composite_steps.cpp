#include "tables/composite_steps.h"

#include "tables/buffers.h"
#include "tables/format_text.h"
#include "tables/text_table.h"

void AppendToReport(const char* text) {
  AppendText(ReportText, kTextBufferSize, text);
}

void AppendTableWhole(int tableId) {
  LoadTextTable(TableText, kTextBufferSize, tableId);
  AppendToReport(TableText);
}

void BeginSection(int tableId) {
  LoadTextTable(TableText, kTextBufferSize, tableId);
  AppendToReport("\r\n");
  AppendKeyedLine("\r\n0");
  AppendToReport("\r\n");
}

void AppendKeyedLine(const char* key) {
  FetchKeyedLine(key);
  AppendToReport(ScratchLine);
}

void AppendNumberedLine(int32_t n) {
  char key[16];
  FormatArg arg = NumberArg(n);
  FormatText(key, sizeof key, "\r\n%li", &arg, 1);
  AppendKeyedLine(key);
}

void FetchKeyedLine(const char* key) {
  LineAfterKey(ScratchLine, kTextBufferSize, TableText, key, " ");
}

void JoinKeyedLine(const char* key) {
  // On a miss TableText still holds the whole table, which must not follow.
  if (LineAfterKey(TableText, kTextBufferSize, TableText, key, " ") != 0) return;
  AppendText(ScratchLine, kTextBufferSize, "\r\n");
  AppendText(ScratchLine, kTextBufferSize, TableText);
}

static void AppendFormatted(const FormatArg* args, int count) {
  FormatText(TableText, kTextBufferSize, ScratchLine, args, count);
  AppendToReport(TableText);
}

void AppendFormattedLine(int32_t first) {
  FormatArg args[] = {NumberArg(first)};
  AppendFormatted(args, 1);
}

void AppendFormattedLine(int32_t first, int32_t second) {
  FormatArg args[] = {NumberArg(first), NumberArg(second)};
  AppendFormatted(args, 2);
}
