// desktop_save: the bytes that the desktop program saves of a text, for the
// web edition's tests. Standard input (UTF-8) is taken in as the report box
// takes in typed or pasted text, read back as saving reads the box, and
// written to standard output: code page 1257, CR LF line ends.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#include "platform/qt/text_conversion.h"

int main() {
  std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
  // In as the report box takes pasted text; out with one CR LF for each of
  // its line ends, as saving reads the box.
  QString shown = LimitedToCodePage(WithLfLineEnds(QString::fromUtf8(input.data(), input.size())));
  std::string saved = ToCodePage(shown.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
  return std::fwrite(saved.data(), 1, saved.size(), stdout) == saved.size() ? 0 : 1;
}
