#include "report/grid.h"

#include "report/reduce.h"
#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tables/composite_steps.h"
#include "tables/format_text.h"

namespace {

// The three digits of each line 1-6.
constexpr int kLineDigits[7][3] = {{0, 0, 0}, {1, 4, 7}, {2, 5, 8}, {3, 6, 9},
                                   {1, 2, 3}, {4, 5, 6}, {7, 8, 9}};

// The digits in the order the grid shows them, row by row.
constexpr int kShownOrder[9] = {1, 4, 7, 2, 5, 8, 3, 6, 9};

// A part of the grid's reading: its heading row, then the row base + i of
// each entry i present, each followed by its own gap.
void AppendPresentRows(const char* headingKey, const bool* present, int count, int base,
                       const char* gap) {
  AppendKeyedLine(headingKey);
  AppendToReport("\r\n");
  for (int i = 1; i <= count; ++i) {
    if (!present[i]) continue;
    AppendNumberedLine(base + i);
    AppendToReport(gap);
  }
}

}  // namespace

void MarkDigits(int32_t n, GridFlags* flags) {
  char text[16];
  FormatArg arg = NumberArg(n);
  FormatText(text, sizeof text, "%li", &arg, 1);
  for (int i = 0; text[i] != '\0'; ++i) {
    flags->digitPresent[text[i] == '-' ? 0 : text[i] - '0'] = true;
  }
}

void MarkGrid(BirthDate date, GridFlags* flags) {
  *flags = {};
  MarkDigits(date.day, flags);
  MarkDigits(date.month, flags);
  MarkDigits(date.year, flags);
  int32_t sum = ReduceNumber(date.day) + ReduceNumber(date.month) + ReduceNumber(date.year);
  MarkDigits(sum, flags);
  // A negative sum stays negative when reduced and names no digit.
  int32_t reduced = ReduceNumber(sum);
  if (reduced >= 0) flags->digitPresent[reduced] = true;
  for (int line = 1; line <= 6; ++line) {
    const int* digits = kLineDigits[line];
    flags->linePresent[line] = flags->digitPresent[digits[0]] && flags->digitPresent[digits[1]] &&
                               flags->digitPresent[digits[2]];
    if (flags->linePresent[line]) flags->linePresent[0] = true;
  }
  for (int digit = 1; digit <= 9; ++digit) {
    if (flags->digitPresent[digit]) flags->digitPresent[0] = true;
  }
}

void BuildGridText(const GridFlags* flags, char* dest, int destSize) {
  CopyBytes(dest, destSize, "\r\n", 2);
  for (int i = 0; i < 9; ++i) {
    int digit = kShownOrder[i];
    char cell[] = {'\t', ' ', flags->digitPresent[digit] ? static_cast<char>('0' + digit) : '*',
                   '\0'};
    AppendText(dest, destSize, cell);
    if (i % 3 == 2) AppendText(dest, destSize, "\r\n\r\n");
  }
}

void AppendGrid(BirthDate date) {
  GridFlags flags;
  MarkGrid(date, &flags);
  BeginSection(kGridTableId);
  BuildGridText(&flags, ScratchLine, kTextBufferSize);
  AppendToReport(ScratchLine);
  if (flags.linePresent[0]) AppendPresentRows("\r\n10", flags.linePresent, 6, 10, "\r\n\r\n");
  if (flags.digitPresent[0]) AppendPresentRows("\r\n20", flags.digitPresent, 9, 20, "\r\n");
  AppendToReport("\r\n\r\n");
}
