// The accessible interfaces of the layer's text widgets (accessible_text.h),
// shared with the help viewer's document (help_accessibility.h).
#ifndef OMBRIX_PLATFORM_QT_ACCESSIBLE_TEXT_WIDGETS_H
#define OMBRIX_PLATFORM_QT_ACCESSIBLE_TEXT_WIDGETS_H

#include <QAccessibleWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

#include "platform/qt/text_conversion.h"
#include "platform/qt/text_spans.h"

// What both controls share: the units of text, the interfaces they offer and
// the states of an editable text.
class TextControlBase : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
 public:
  TextControlBase(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !ReadOnly();
    state.readOnly = ReadOnly();
    state.selectableText = true;
    return state;
  }

  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Value ? AllText() : QAccessibleWidget::text(kind);
  }

  QString text(int startOffset, int endOffset) const override {
    TextSpan span = Clamped(startOffset, endOffset);
    return AllText().mid(span.start, span.end - span.start);
  }
  int characterCount() const override { return static_cast<int>(AllText().size()); }

  QString textAtOffset(int offset, QAccessible::TextBoundaryType unit, int* startOffset,
                       int* endOffset) const override {
    return Answer(offset, unit, startOffset, endOffset, SpanAt);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType unit, int* startOffset,
                           int* endOffset) const override {
    return Answer(offset, unit, startOffset, endOffset, SpanBefore);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType unit, int* startOffset,
                          int* endOffset) const override {
    return Answer(offset, unit, startOffset, endOffset, SpanAfter);
  }

  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
  }

  void addSelection(int startOffset, int endOffset) override {
    setSelection(0, startOffset, endOffset);
  }

 protected:
  virtual QString AllText() const = 0;
  virtual bool ReadOnly() const = 0;
  // The line shown on the screen around offset; a paragraph unless the
  // control wraps.
  virtual TextSpan LineAround(const QString& text, int offset) const {
    return SpanAt(text, offset, QAccessible::LineBoundary);
  }

  TextSpan Clamped(int startOffset, int endOffset) const {
    int length = characterCount();
    if (endOffset < 0) endOffset = length;
    startOffset = std::clamp(startOffset, 0, length);
    return {startOffset, std::clamp(endOffset, startOffset, length)};
  }

 private:
  using Finder = TextSpan (*)(const QString&, int, QAccessible::TextBoundaryType);

  // -1 stands for the end of the text, as Qt's own controls take it; any
  // other offset outside the text has no unit.
  QString Answer(int offset, QAccessible::TextBoundaryType unit, int* startOffset, int* endOffset,
                 Finder find) const {
    const QString all = AllText();
    const int length = static_cast<int>(all.size());
    if (offset == -1) offset = length;
    if (offset < 0 || offset > length) {
      *startOffset = *endOffset = -1;
      return QString();
    }
    TextSpan span =
        unit == QAccessible::LineBoundary ? Line(all, offset, find) : find(all, offset, unit);
    *startOffset = span.start;
    *endOffset = span.end;
    return all.mid(span.start, span.end - span.start);
  }

  // Lines before and after are found as spans are: next to the line around
  // the offset.
  TextSpan Line(const QString& all, int offset, Finder find) const {
    const int length = static_cast<int>(all.size());
    TextSpan here = LineAround(all, offset);
    if (find == SpanBefore)
      return here.start > 0 ? LineAround(all, here.start - 1) : TextSpan{0, 0};
    if (find == SpanAfter) {
      return here.end < length ? LineAround(all, here.end) : TextSpan{length, length};
    }
    return here;
  }
};

// A QPlainTextEdit or a QTextEdit: a document shown in a viewport.
template <typename Editor>
class AccessibleTextEditor : public TextControlBase {
 public:
  AccessibleTextEditor(Editor* editor, QAccessible::Role role) : TextControlBase(editor, role) {}

  QAccessible::State state() const override {
    QAccessible::State state = TextControlBase::state();
    state.multiLine = true;
    return state;
  }

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    QTextCursor cursor = Edited()->textCursor();
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !cursor.hasSelection()) return;
    *startOffset = cursor.selectionStart();
    *endOffset = cursor.selectionEnd();
  }
  int selectionCount() const override { return Edited()->textCursor().hasSelection() ? 1 : 0; }
  void removeSelection(int) override {
    QTextCursor cursor = Edited()->textCursor();
    cursor.clearSelection();
    Edited()->setTextCursor(cursor);
  }
  void setSelection(int, int startOffset, int endOffset) override {
    TextSpan span = Clamped(startOffset, endOffset);
    QTextCursor cursor = Edited()->textCursor();
    cursor.setPosition(span.start);
    cursor.setPosition(span.end, QTextCursor::KeepAnchor);
    Edited()->setTextCursor(cursor);
  }
  int cursorPosition() const override { return Edited()->textCursor().position(); }
  void setCursorPosition(int position) override {
    TextSpan span = Clamped(position, position);
    QTextCursor cursor = Edited()->textCursor();
    cursor.setPosition(span.start);
    Edited()->setTextCursor(cursor);
  }

  QRect characterRect(int offset) const override {
    QString all = AllText();
    if (offset < 0 || offset >= all.size()) return QRect();
    QTextCursor cursor(Edited()->document());
    cursor.setPosition(offset);
    QRect caret = Edited()->cursorRect(cursor);
    QRect character(caret.x(), caret.y(), Edited()->fontMetrics().horizontalAdvance(all.at(offset)),
                    caret.height());
    return QRect(Edited()->viewport()->mapToGlobal(character.topLeft()), character.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Edited()->cursorForPosition(Edited()->viewport()->mapFromGlobal(point)).position();
  }
  void scrollToSubstring(int startIndex, int) override {
    setCursorPosition(startIndex);
    Edited()->ensureCursorVisible();
  }

  void deleteText(int startOffset, int endOffset) override {
    replaceText(startOffset, endOffset, {});
  }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
  void replaceText(int startOffset, int endOffset, const QString& text) override {
    if (ReadOnly()) return;
    setSelection(0, startOffset, endOffset);
    Edited()->textCursor().insertText(LimitedToCodePage(WithLfLineEnds(text)));
  }

 protected:
  // The document's own characters, every kind of line break as LF, so that
  // offsets are the document's positions.
  QString AllText() const override {
    QString all = Edited()->document()->toRawText();
    all.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    all.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return all;
  }
  bool ReadOnly() const override { return Edited()->isReadOnly(); }

  // As the editor wraps it: the layout's line around the offset.
  TextSpan LineAround(const QString& text, int offset) const override {
    int at = offset == text.size() && offset > 0 ? offset - 1 : offset;
    QTextBlock block = Edited()->document()->findBlock(at);
    QTextLayout* layout = block.layout();
    if (!block.isValid() || layout == nullptr || layout->lineCount() == 0) {
      return TextControlBase::LineAround(text, offset);
    }
    QTextLine line = layout->lineForTextPosition(at - block.position());
    if (!line.isValid()) return TextControlBase::LineAround(text, offset);
    int start = block.position() + line.textStart();
    int end = start + line.textLength();
    // The last line of a paragraph takes its line break with it.
    if (line.lineNumber() == layout->lineCount() - 1 && end < text.size()) ++end;
    return {start, std::min(end, static_cast<int>(text.size()))};
  }

 private:
  Editor* Edited() const { return static_cast<Editor*>(widget()); }
};

#endif
