// The meaning of a number, appended only when its table has one.
//
// A year of 0 or below can give numbers outside the ones the meaning tables
// describe. Their keys must not reach the lookup: a missing row would leave
// the line looked up before in ScratchLine to be appended again, and some
// keys name the row of another entry (a third cycle number of -91 forms the
// key of row 209, a second-cycle reading). Such a number gets no meaning; the
// separators around it stay, so the report keeps its shape.
#include "report/meaning.h"

#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tables/composite_steps.h"
#include "tables/text_table.h"

static bool HasMeaning(int tableId, int position, int32_t number) {
  bool digit = number >= 1 && number <= 9;
  bool master = number == 11 || number == 22;
  switch (tableId) {
    case kApogeeMeaningTableId:
      return digit || master;
    case kChallengeMeaningTableId:
      return number >= 0 && number <= 8;
    case kGiftMeaningTableId:
      return number >= 1 && number <= 8;
    case kCycleMeaningTableId:
      return digit || (position == 2 && master);
    default:
      return false;
  }
}

void AppendMeaning(int tableId, int position, int32_t number) {
  LoadTextTable(TableText, kTextBufferSize, tableId);
  if (HasMeaning(tableId, position, number)) AppendNumberedLine(100 * position + number);
}
