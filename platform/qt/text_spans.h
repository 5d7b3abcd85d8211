// The units of text a screen reader asks for (a character, a word, a
// sentence, a paragraph) as spans of a text, for any offset, in one pass
// over the text that always ends.
//
// A word span is a word or the run of blanks and punctuation between two
// words, as Qt's editors select a word. At the end of the text a query for a
// word, sentence or paragraph gives the last one, which is what a reader
// says when the caret stands after it; a character query there gives an
// empty span. A paragraph ends after its line break.
#ifndef OMBRIX_PLATFORM_QT_TEXT_SPANS_H
#define OMBRIX_PLATFORM_QT_TEXT_SPANS_H

#include <QAccessible>
#include <QString>

struct TextSpan {
  int start;
  int end;
};

// The span of the unit around offset (0 to the text's length); an empty
// span at offset when the text is empty.
TextSpan SpanAt(const QString& text, int offset, QAccessible::TextBoundaryType unit);

// The span that ends where the one at offset starts, or an empty span at 0.
TextSpan SpanBefore(const QString& text, int offset, QAccessible::TextBoundaryType unit);

// The span that starts where the one at offset ends, or an empty span at the
// text's end.
TextSpan SpanAfter(const QString& text, int offset, QAccessible::TextBoundaryType unit);

#endif
