#include "report/birthday_gift.h"

#include "report/meaning.h"
#include "tables/buffers.h"
#include "tables/catalogue.h"
#include "tables/composite_steps.h"
#include "tables/text_table.h"

int32_t BirthdayGiftNumber(BirthDate date) {
  if (date.day < 10 || date.day == 11 || date.day == 22) return 0;
  int32_t tens = date.day / 10;
  int32_t units = date.day - 10 * tens;
  return units > tens ? units - tens : tens - units;
}

void AppendBirthdayGift(BirthDate date) {
  int32_t gift = BirthdayGiftNumber(date);
  if (gift == 0) return;
  LoadTextTable(TableText, kTextBufferSize, kGiftTableId);
  AppendToReport("\r\n");
  // The heading is itself the line that carries the number.
  FetchKeyedLine("\r\n0");
  AppendFormattedLine(gift);
  AppendToReport("\r\n");
  AppendMeaning(kGiftMeaningTableId, 0, gift);
  AppendToReport("\r\n\r\n");
}
