#include "platform/qt/text_conversion.h"

#include <cstring>

#include "text/code_page.h"

namespace {

// What the text holds that the code page does not carry.
struct Lacking {
  bool any;    // a NUL or a character the code page lacks
  bool marks;  // a combining accent among those
};

Lacking LackingOf(const QString& text) {
  const auto* units = text.utf16();
  size_t count = static_cast<size_t>(text.size());
  Lacking lacking = {false, false};
  for (size_t at = 0, length = 1; at < count; at += length) {
    if (ByteOfUtf16(units, count, at, &length) >= 0 && units[at] != 0) continue;
    lacking.any = true;
    lacking.marks = lacking.marks || (length == 1 && QChar(units[at]).isMark());
  }
  return lacking;
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
  Lacking lacking = LackingOf(text);
  if (!lacking.any) return text;
  // Composing is slow, and only an accent written apart can compose.
  QString composed = lacking.marks ? text.normalized(QString::NormalizationForm_C) : text;
  const auto* units = composed.utf16();
  size_t count = static_cast<size_t>(composed.size());
  QString limited(composed.size(), Qt::Uninitialized);
  QChar* out = limited.data();
  for (size_t at = 0, length = 1; at < count; at += length) {
    bool carried = ByteOfUtf16(units, count, at, &length) >= 0;
    if (units[at] != 0) *out++ = carried ? QChar(units[at]) : QChar(kLackingCharacter);
  }
  limited.truncate(out - limited.constData());
  return limited;
}

QString WithLfLineEnds(const QString& text) {
  QString lf = text;
  lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lf.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  lf.replace(QChar::LineSeparator, QLatin1Char('\n'));
  lf.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return lf;
}
