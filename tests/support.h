// What the tests share: the knowledge base read the plain way, the report of
// a typed date, and a file's bytes.
//
// Rows are found by their exact label, not by the program's first-occurrence
// search, so a table whose rows stand in the wrong order shows.
#ifndef OMBRIX_TESTS_SUPPORT_H
#define OMBRIX_TESTS_SUPPORT_H

#include <initializer_list>
#include <string>
#include <vector>

// The exact bytes of a table (code page 1257, CR LF); empty for an unknown
// identifier.
const std::string& TableBytes(int id);

// The text of the line row labelled label: behind the label, an optional
// full stop and the blanks, up to the line end. "<no row>" when none has
// exactly this label.
std::string Row(int id, const std::string& label);
std::string Row(int id, int label);

// The fields of the field row labelled label, field 0 first; empty when
// none has exactly this label.
std::vector<std::string> Fields(int id, const std::string& label);

// The format with its placeholders ("%li", "%s") filled in order.
std::string Fill(std::string format, std::initializer_list<std::string> values);
std::string Fill(const std::string& format, int value);

// The report of the typed date (code page 1257) as ReportText holds it;
// "(no date)" when the text is no date.
std::string ComposedReport(const char* typedDate);

// The whole file; "(no file)" when it cannot be read.
std::string FileBytes(const std::string& path);

// Makes the file hold exactly the bytes.
void WriteBytes(const std::string& path, const std::string& bytes);

#endif
