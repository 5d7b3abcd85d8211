// The OK command of the main dialog: the report of the typed date into the
// report view. The window's side of it stays here, the core's in date/ and
// report/: BuildReport = ParseBirthDate (app/) → ParseDateText (date/) →
// ComposeReport (report/) → SetDlgItemTextA.
#ifndef OMBRIX_APP_BUILD_REPORT_H
#define OMBRIX_APP_BUILD_REPORT_H

// Parses the date and, when it is one, composes its report and makes it the
// text of the report view, which then counts as unchanged (EM_SETMODIFY); a
// rejected date leaves the view as it was.
void BuildReport();

#endif
