// The units of text that a screen reader asks for, at the edges of a text
// above all: the end of the text, where Qt 6.4's own answer never returns.
#include <gtest/gtest.h>

#include "platform/qt/text_spans.h"

namespace {

enum class Query { At, Before, After };

struct Case {
  const char* text;
  int offset;
  QAccessible::TextBoundaryType unit;
  Query query;
  const char* expected;
  int start;
};

constexpr auto kChar = QAccessible::CharBoundary;
constexpr auto kWord = QAccessible::WordBoundary;
constexpr auto kSentence = QAccessible::SentenceBoundary;
constexpr auto kParagraph = QAccessible::ParagraphBoundary;
constexpr auto kLine = QAccessible::LineBoundary;
constexpr auto kWhole = QAccessible::NoBoundary;

constexpr const char kDate[] = "27. Oktoober 1980";
constexpr const char kTwoLines[] = "Esimene rida. Teine lause!\nTeine rida\n";

const Case kCases[] = {
    {kDate, 0, kChar, Query::At, "2", 0},
    {kDate, 16, kChar, Query::At, "0", 16},
    {kDate, 17, kChar, Query::At, "", 17},
    {kDate, 17, kChar, Query::Before, "0", 16},
    {kDate, 0, kChar, Query::Before, "", 0},
    {kDate, 16, kChar, Query::After, "", 17},
    {kDate, 0, kWord, Query::At, "27", 0},
    {kDate, 2, kWord, Query::At, ". ", 2},
    {kDate, 5, kWord, Query::At, "Oktoober", 4},
    {kDate, 12, kWord, Query::At, " ", 12},
    {kDate, 13, kWord, Query::At, "1980", 13},
    // End, Ctrl+Left, Ctrl+Right: the caret after the last word.
    {kDate, 17, kWord, Query::At, "1980", 13},
    {kDate, 17, kWord, Query::Before, " ", 12},
    {kDate, 17, kWord, Query::After, "", 17},
    {kDate, 5, kWord, Query::Before, ". ", 2},
    {kDate, 5, kWord, Query::After, " ", 12},
    {kDate, 17, kSentence, Query::At, "Oktoober 1980", 4},  // "27. O": a sentence ends
    {kDate, 17, kLine, Query::At, kDate, 0},
    {kDate, 17, kParagraph, Query::After, "", 17},
    {kDate, 9, kWhole, Query::At, kDate, 0},
    {"õõ ää", 1, kWord, Query::At, "õõ", 0},
    {"õõ ää", 5, kWord, Query::At, "ää", 3},
    {kTwoLines, 3, kSentence, Query::At, "Esimene rida. ", 0},
    {kTwoLines, 20, kSentence, Query::At, "Teine lause!\n", 14},
    {kTwoLines, 20, kSentence, Query::After, "Teine rida\n", 27},
    {kTwoLines, 38, kSentence, Query::At, "Teine rida\n", 27},
    {kTwoLines, 26, kParagraph, Query::At, "Esimene rida. Teine lause!\n", 0},
    {kTwoLines, 27, kParagraph, Query::At, "Teine rida\n", 27},
    {kTwoLines, 38, kParagraph, Query::At, "Teine rida\n", 27},
    {kTwoLines, 30, kParagraph, Query::Before, "Esimene rida. Teine lause!\n", 0},
    {kTwoLines, 38, kWord, Query::At, "\n", 37},
    {"", 0, kWord, Query::At, "", 0},
    {"", 0, kChar, Query::After, "", 0},
    {"", 0, kSentence, Query::Before, "", 0},
    {"\n\n", 2, kParagraph, Query::At, "\n", 1},
    {"  ", 2, kWord, Query::At, "  ", 0},
};

TEST(TextSpans, EachUnitAroundAnOffset) {
  for (const Case& c : kCases) {
    QString text = QString::fromUtf8(c.text);
    TextSpan span = c.query == Query::At       ? SpanAt(text, c.offset, c.unit)
                    : c.query == Query::Before ? SpanBefore(text, c.offset, c.unit)
                                               : SpanAfter(text, c.offset, c.unit);
    QString found = text.mid(span.start, span.end - span.start);
    EXPECT_EQ(found.toStdString(), c.expected)
        << c.text << " at " << c.offset << ", unit " << c.unit << ", query " << int(c.query);
    EXPECT_EQ(span.start, c.start) << c.text << " at " << c.offset << ", unit " << c.unit;
  }
}

// Every offset of a text with every unit: each span lies within the text and
// holds its offset, and the spans of one unit tile the text.
TEST(TextSpans, SpansTileTheText) {
  const QString text = QString::fromUtf8(
      "\tJuurnumber 9 on Marsi number. Ta võitleb!\n\nSoodsad on aastad 9, 18 ja 27...\n  ");
  const int length = static_cast<int>(text.size());
  for (auto unit : {kChar, kWord, kSentence, kParagraph, kLine}) {
    QString joined;
    for (int offset = 0; offset < length;) {
      TextSpan span = SpanAt(text, offset, unit);
      ASSERT_EQ(span.start, offset) << "unit " << unit;
      ASSERT_GT(span.end, offset) << "unit " << unit;
      ASSERT_LE(span.end, length) << "unit " << unit;
      for (int inside = span.start; inside < span.end; ++inside) {
        TextSpan again = SpanAt(text, inside, unit);
        ASSERT_EQ(again.start, span.start) << "unit " << unit << " at " << inside;
        ASSERT_EQ(again.end, span.end) << "unit " << unit << " at " << inside;
      }
      joined += text.mid(span.start, span.end - span.start);
      offset = span.end;
    }
    EXPECT_EQ(joined, text) << "unit " << unit;
  }
}

}  // namespace
