#include "text_conversion.h"

#include <cstring>

#include "text/code_page.h"

namespace {

// Whether the code page carries every character of the text and it has no NUL.
bool FitsCodePage(const QString& text) {
  const auto* units = text.utf16();
  size_t count = static_cast<size_t>(text.size());
  for (size_t at = 0, length = 1; at < count; at += length) {
    if (units[at] == 0 || ByteOfUtf16(units, count, at, &length) < 0) return false;
  }
  return true;
}

}  // namespace

QString FromCodePage(const char* text) {
  if (text == nullptr) return QString();
  QString unicode(static_cast<qsizetype>(std::strlen(text)), Qt::Uninitialized);
  QChar* out = unicode.data();
  for (const char* at = text; *at != '\0'; ++at) {
    *out++ = QChar(static_cast<char16_t>(CharacterOfByte(static_cast<unsigned char>(*at))));
  }
  return unicode;
}

std::string ToCodePage(const QString& text) {
  return CodePageFromUtf16(text.utf16(), static_cast<size_t>(text.size()));
}

QString LimitedToCodePage(const QString& text) {
  if (FitsCodePage(text)) return text;
  QString composed = text.normalized(QString::NormalizationForm_C);
  const auto* units = composed.utf16();
  size_t count = static_cast<size_t>(composed.size());
  QString limited;
  limited.reserve(composed.size());
  for (size_t at = 0, length = 1; at < count; at += length) {
    bool carried = ByteOfUtf16(units, count, at, &length) >= 0;
    if (units[at] == 0) continue;
    limited += carried ? QChar(units[at]) : QChar(kLackingCharacter);
  }
  return limited;
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
