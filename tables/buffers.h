// The three process-wide text buffers and bounded appends into them.
//
// ReportText holds the report being built (and serves as the transfer buffer
// for the introduction and for saving); TableText the table loaded last, also
// the destination of every formatted line; ScratchLine the line looked up
// last, also used as a format. Every text in them is NUL-terminated. The
// report adds a small fourth one, KeyText (report/report.h).
//
// No copy here ever writes past the size it is given: a text that does not
// fit is cut, and the destination keeps its terminating NUL inside its size.
#ifndef OMBRIX_TABLES_BUFFERS_H
#define OMBRIX_TABLES_BUFFERS_H

constexpr int kTextBufferSize = 65536;

extern char ReportText[kTextBufferSize];
extern char TableText[kTextBufferSize];
extern char ScratchLine[kTextBufferSize];

// Copies count bytes from source and a NUL into dest, cut to destSize - 1
// bytes. The copy runs forward, so source may lie later in dest's own buffer.
void CopyBytes(char* dest, int destSize, const char* source, int count);

// Appends the NUL-terminated source at dest's terminating NUL.
void AppendText(char* dest, int destSize, const char* source);

// Length of a NUL-terminated text, or size when no NUL lies within size bytes.
int BoundedLength(const char* text, int size);

#endif
