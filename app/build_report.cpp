#include "app/build_report.h"

#include <windows.h>

#include "app/handles.h"
#include "app/parse_birth_date.h"
#include "app/resource.h"
#include "date/birth_date.h"
#include "report/report.h"
#include "tables/buffers.h"

void BuildReport() {
  BirthDate date;
  if (ParseBirthDate(&date.day, &date.month, &date.year) != 0) return;
  ComposeReport(date);
  SetDlgItemTextA(MainDialog, IDC_REPORT_VIEW, ReportText);
  SendDlgItemMessageA(MainDialog, IDC_REPORT_VIEW, EM_SETMODIFY, FALSE, 0);
}
