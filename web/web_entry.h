// What the web page asks of the module: the introduction, the report of a
// date text, a text as the report box holds it, and the bytes a saved file
// holds.
//
// Texts come in as UTF-8, a pointer and a length in the module's memory (so
// a NUL inside counts too), and go out through WebResult and
// WebResultLength, which hold the answer of the last call until the next
// one. The page shows text with LF line ends, the program holds code page
// 1257 with CR LF: these calls convert between the two with the program's
// one converter, so that the page shows and saves what the desktop program
// shows and saves. Composing itself runs in the core's buffers as there.
#ifndef OMBRIX_WEB_WEB_ENTRY_H
#define OMBRIX_WEB_WEB_ENTRY_H

extern "C" {

// Result := the introduction, UTF-8 with LF line ends. Returns 0.
int WebIntroduction();

// Reads the date text and composes its report: returns 0 with the report
// in ReportText and, as UTF-8 with LF line ends, in the result; or -1 when
// the text is no date, with the date error's caption, LF and its message
// lines in the result.
int WebReport(const char* dateUtf8, int length);

// The bytes that the last WebReport left in ReportText, NUL-terminated.
const char* WebReportBytes();

// Result := the text as the report box holds it: a character that code
// page 1257 lacks as "?", every NUL left out. Returns 1 when that changed
// the text, else 0.
int WebLimitedText(const char* textUtf8, int length);

// Result := the bytes of the text as saved: code page 1257 (a character it
// lacks as "?"), every line end CR LF. Returns 0.
int WebSavedBytes(const char* textUtf8, int length);

const char* WebResult();
int WebResultLength();
}

#endif
