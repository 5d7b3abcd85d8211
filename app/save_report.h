// Saving the report: the save command of the main dialog.
#ifndef OMBRIX_APP_SAVE_REPORT_H
#define OMBRIX_APP_SAVE_REPORT_H

// Writes the whole text of the report view into a file that the user names,
// in code page 1257 with CR LF line ends, nothing before or after it. An
// existing file is replaced only once the new one is completely written, so
// a failed write leaves it as it was; a file that cannot be written is
// reported in a message box. Cancelling writes nothing. True when the file
// now holds the text, which then counts as unchanged (EM_SETMODIFY).
bool SaveReport();

#endif
