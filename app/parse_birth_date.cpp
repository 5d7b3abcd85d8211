#include "app/parse_birth_date.h"

#include <windows.h>

#include "app/handles.h"
#include "app/resource.h"
#include "date/birth_date.h"
#include "tables/buffers.h"

int ParseBirthDate(int32_t* day, int32_t* month, int32_t* year) {
  char input[kDateTextSize];
  GetDlgItemTextA(MainDialog, IDC_BIRTH_DATE_INPUT, input, sizeof input);
  BirthDate date{};
  int result = ParseDateText(input, &date);
  *day = date.day;
  *month = date.month;
  *year = date.year;
  if (result == 0) return 0;
  char caption[kDateTextSize];
  ComposeDateError(caption, sizeof caption);
  MessageBoxA(MainDialog, ReportText, caption, MB_OK);
  return -1;
}
