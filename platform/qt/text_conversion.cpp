#include "text_conversion.h"

#include "tables/code_page.h"

QString FromCodePage(const char* text) {
  return text == nullptr ? QString() : QString::fromStdString(Utf8FromCodePage(text));
}

std::string ToCodePage(const QString& text) {
  return CodePageFromUtf8(text.toStdString());
}

QString WithLfLineEnds(const QString& text) {
  QString lf = text;
  lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lf.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return lf;
}

QString WithCrLfLineEnds(const QString& text) {
  QString crlf = text;
  crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return crlf;
}
