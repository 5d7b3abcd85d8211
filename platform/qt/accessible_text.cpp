#include "platform/qt/accessible_text.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/qt/accessible_text_widgets.h"

namespace {

class AccessibleLineEdit : public TextControlBase {
 public:
  explicit AccessibleLineEdit(QLineEdit* edit) : TextControlBase(edit, QAccessible::EditableText) {}

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Edit()->hasSelectedText()) return;
    *startOffset = Edit()->selectionStart();
    *endOffset = *startOffset + Edit()->selectionLength();
  }
  int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
  void removeSelection(int) override { Edit()->deselect(); }
  void setSelection(int, int startOffset, int endOffset) override {
    TextSpan span = Clamped(startOffset, endOffset);
    Edit()->setSelection(span.start, span.end - span.start);
  }
  int cursorPosition() const override { return Edit()->cursorPosition(); }
  void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }

  // From the caret's rectangle, the one that Qt tells input methods.
  QRect characterRect(int offset) const override {
    QString all = AllText();
    if (offset < 0 || offset >= all.size()) return QRect();
    QFontMetrics metrics = Edit()->fontMetrics();
    QRect caret = Edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    int x = caret.x() + metrics.horizontalAdvance(all.left(offset)) -
            metrics.horizontalAdvance(all.left(Edit()->cursorPosition()));
    QRect character(x, caret.y(), metrics.horizontalAdvance(all.at(offset)), caret.height());
    return QRect(Edit()->mapToGlobal(character.topLeft()), character.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
  }
  void scrollToSubstring(int startIndex, int) override { Edit()->setCursorPosition(startIndex); }

  void deleteText(int startOffset, int endOffset) override {
    replaceText(startOffset, endOffset, {});
  }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
  // Through the line edit's own editing, which its validator watches.
  void replaceText(int startOffset, int endOffset, const QString& text) override {
    if (ReadOnly()) return;
    setSelection(0, startOffset, endOffset);
    Edit()->insert(text);
  }

 protected:
  QString AllText() const override { return Edit()->text(); }
  bool ReadOnly() const override { return Edit()->isReadOnly(); }

 private:
  QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
};

}  // namespace

QAccessibleInterface* AccessibleTextControl(QWidget* widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return new AccessibleLineEdit(edit);
  if (auto* editor = qobject_cast<QPlainTextEdit*>(widget)) {
    return new AccessibleTextEditor<QPlainTextEdit>(editor, QAccessible::EditableText);
  }
  return nullptr;
}
