#include "platform/qt/text_spans.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace {

// The paragraph around at: from after the previous LF to after the next one.
TextSpan ParagraphAround(const QString& text, int at) {
  int start = at > 0 ? static_cast<int>(text.lastIndexOf(QLatin1Char('\n'), at - 1)) + 1 : 0;
  int newline = static_cast<int>(text.indexOf(QLatin1Char('\n'), at));
  return {start, newline < 0 ? static_cast<int>(text.size()) : newline + 1};
}

// The span between the boundaries of the finder's kind around at, walking
// forward from the start: toNextBoundary() only grows, and is -1 past the
// end, so the walk always ends.
TextSpan BoundedAround(const QString& text, int at, QTextBoundaryFinder::BoundaryType type,
                       bool itemEdgesOnly) {
  const int length = static_cast<int>(text.size());
  QTextBoundaryFinder finder(type, text);
  TextSpan span{0, length};
  for (int position = finder.toNextBoundary(); position > 0 && position < length;
       position = finder.toNextBoundary()) {
    bool edge = finder.boundaryReasons() &
                (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem);
    if (itemEdgesOnly && !edge) continue;
    if (position <= at) {
      span.start = position;
    } else {
      span.end = position;
      break;
    }
  }
  return span;
}

}  // namespace

TextSpan SpanAt(const QString& text, int offset, QAccessible::TextBoundaryType unit) {
  const int length = static_cast<int>(text.size());
  offset = std::clamp(offset, 0, length);
  if (length == 0) return {0, 0};
  if (unit == QAccessible::CharBoundary) {
    return offset == length ? TextSpan{length, length} : TextSpan{offset, offset + 1};
  }
  if (unit == QAccessible::NoBoundary) return {0, length};
  // After the last character the unit asked for is the one it ends.
  int at = offset == length ? length - 1 : offset;
  switch (unit) {
    case QAccessible::WordBoundary:
      return BoundedAround(text, at, QTextBoundaryFinder::Word, true);
    case QAccessible::SentenceBoundary:
      return BoundedAround(text, at, QTextBoundaryFinder::Sentence, false);
    default:
      return ParagraphAround(text, at);
  }
}

TextSpan SpanBefore(const QString& text, int offset, QAccessible::TextBoundaryType unit) {
  TextSpan here = SpanAt(text, offset, unit);
  if (unit == QAccessible::CharBoundary) {
    int start = std::clamp(offset, 0, static_cast<int>(text.size()));
    return start > 0 ? TextSpan{start - 1, start} : TextSpan{0, 0};
  }
  return here.start > 0 ? SpanAt(text, here.start - 1, unit) : TextSpan{0, 0};
}

TextSpan SpanAfter(const QString& text, int offset, QAccessible::TextBoundaryType unit) {
  const int length = static_cast<int>(text.size());
  TextSpan here = SpanAt(text, offset, unit);
  if (unit == QAccessible::CharBoundary && here.start == here.end) return {length, length};
  return here.end < length ? SpanAt(text, here.end, unit) : TextSpan{length, length};
}
