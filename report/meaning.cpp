// The meaning of a number, appended only when its table has one.
//
// A year of 0 or below can give numbers outside the ones the meaning tables
// describe. Their keys must not reach the lookup: a missing row would leave
// the line looked up before in ScratchLine to be appended again, and some
// keys name the row of another entry (a third cycle number of -91 forms the
// key of row 209, a second-cycle reading). Such a number gets no meaning; the
// separators around it stay, so the report keeps its shape.
#include "report/meaning.h"

#include <cstring>

#include "tables/buffers.h"
#include "tables/composite_steps.h"
#include "tables/format_text.h"
#include "tables/text_table.h"

// Whether the loaded table has the row of number at position: the row
// labelled exactly 100 × position + number, for a number of 0 to 99, so that
// the label stays within its position's hundred. The tables hold a row for
// every number that has a meaning, and only for those.
static bool HasMeaning(int position, int32_t number) {
  if (number < 0 || number > 99) return false;
  char key[16];
  FormatArg arg = NumberArg(100 * position + number);
  FormatText(key, sizeof key, "\r\n%li", &arg, 1);
  int length = static_cast<int>(std::strlen(key));
  int at = FindText(TableText, key, length);
  // "\r\n1" also begins row 12: the label must end where the key does.
  return at >= 0 && (TableText[at + length] == ' ' || TableText[at + length] == '.');
}

void AppendMeaning(int tableId, int position, int32_t number) {
  LoadTextTable(TableText, kTextBufferSize, tableId);
  if (HasMeaning(position, number)) AppendNumberedLine(100 * position + number);
}
