// The "RichEdit" class: a line edit, or with ES_MULTILINE a plain-text editor.
//
// As the ANSI rich-edit control of Windows, each holds only text that the
// program's code page carries: whatever enters (typed, pasted, dropped, set),
// a character the code page lacks turns into "?" as it enters, so the window
// shows what saving writes, and a NUL never enters. Every line or paragraph
// break that enters the multi-line editor is one paragraph break, which reads
// back as CR LF.
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>
#include <algorithm>

#include "platform/qt/control_widget.h"
#include "platform/qt/controls.h"
#include "platform/qt/edit_menu.h"
#include "platform/qt/frame_overlay.h"
#include "platform/qt/text_conversion.h"

namespace {

// Win32 EM_SETSEL: from start to end; an end of -1 (or past the text) is the
// end of the text, a start of -1 removes the selection.
struct Selection {
  bool none;
  int start;
  int end;
};

Selection SelectionOf(WPARAM wParam, LPARAM lParam, int length) {
  int start = static_cast<int>(wParam);
  int end = static_cast<int>(lParam);
  if (start == -1) return {true, 0, 0};
  if (end < 0 || end > length) end = length;
  start = std::clamp(start, 0, length);
  return {false, std::min(start, end), std::max(start, end)};
}

// The undo and clipboard messages, which both editors answer alike; false
// for any other message.
template <typename Editor>
bool UndoOrClipboard(Editor* editor, UINT message, LRESULT* result) {
  *result = 0;
  switch (message) {
    case WM_UNDO:
      editor->undo();
      *result = TRUE;
      return true;
    case WM_CUT:
      editor->cut();
      return true;
    case WM_COPY:
      editor->copy();
      return true;
    case WM_PASTE:
      editor->paste();
      return true;
    default:
      return false;
  }
}

// A line edit passes every change through its validator, whichever way it
// came; one that the validator alters starts a new undo history.
class CodePageValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& position) const override {
    QString limited = LimitedToCodePage(input);
    if (limited != input) {
      position = static_cast<int>(LimitedToCodePage(input.left(position)).size());
      input = limited;
    }
    return Acceptable;
  }
};

// What both editors share: a right click that Windows leaves alone, no
// widget menu of Qt's own, the dialog told of the focus, and the edit menu on
// Shift+F10 or the menu key.
template <typename Base>
class TextControl : public ControlWidget<Base>, public HWND__ {
 public:
  TextControl(DialogWindow* dialog, const EmbeddedControl& control)
      : ControlWidget<Base>(dialog->Client()), HWND__(this, dialog, control.id, control.style) {
    this->setContextMenuPolicy(Qt::NoContextMenu);
    this->setFocusPolicy(Qt::StrongFocus);
  }

 protected:
  void focusInEvent(QFocusEvent* event) override {
    Base::focusInEvent(event);
    NotifyDialog(this, EN_SETFOCUS);
  }
  // Whether the key opened the edit menu, which then took it.
  bool OpenedEditMenu(QKeyEvent* event) {
    if (!OpensEditMenu(event)) return false;
    ShowEditMenu(this, this->createStandardContextMenu());
    return true;
  }
};

class LineEdit : public TextControl<QLineEdit> {
 public:
  LineEdit(DialogWindow* dialog, const EmbeddedControl& control) : TextControl(dialog, control) {
    setValidator(new CodePageValidator(this));
    SetText(FromCodePage(control.text));
  }

  QString Text() const override { return text(); }
  // One line: the text ends at its first line break.
  void SetText(const QString& text) override { setText(WithLfLineEnds(text).section('\n', 0, 0)); }

  LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result;
    if (UndoOrClipboard(this, message, &result)) return result;
    switch (message) {
      case WM_CLEAR:
        if (hasSelectedText()) del();
        return 0;
      case EM_SETSEL: {
        Selection selection = SelectionOf(wParam, lParam, static_cast<int>(text().size()));
        if (selection.none) {
          deselect();
        } else {
          setSelection(selection.start, selection.end - selection.start);
        }
        return 0;
      }
      case EM_GETMODIFY:
        return isModified();
      case EM_SETMODIFY:
        setModified(wParam != 0);
        return 0;
      default:
        return 0;
    }
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!OpenedEditMenu(event)) QLineEdit::keyPressEvent(event);
  }
  // Qt's line edit drops its selection when the focus leaves it, also for
  // the menu bar, whose edit commands would then find nothing to act on;
  // with ES_NOHIDESEL the selection stays, its direction too.
  void focusOutEvent(QFocusEvent* event) override {
    int cursor = cursorPosition();
    int anchor = cursor == selectionStart() ? selectionEnd() : selectionStart();
    bool selected = hasSelectedText();
    QLineEdit::focusOutEvent(event);
    if (selected && (windowStyle & ES_NOHIDESEL)) setSelection(anchor, cursor - anchor);
  }
};

class TextEditor : public TextControl<QPlainTextEdit> {
 public:
  TextEditor(DialogWindow* dialog, const EmbeddedControl& control) : TextControl(dialog, control) {
    constexpr double kTabStopInches = 0.5;
    setTabChangesFocus(true);
    setLineWrapMode(windowStyle & ES_AUTOHSCROLL ? NoWrap : WidgetWidth);
    setVerticalScrollBarPolicy(windowStyle & WS_VSCROLL ? Qt::ScrollBarAsNeeded
                                                        : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabStopDistance(QGuiApplication::primaryScreen()->logicalDotsPerInchX() * kTabStopInches);
    new FrameOverlay(this, [this](QPainter* painter) { drawFrame(painter); });
    SetText(FromCodePage(control.text));
  }

  // The raw text: toPlainText() would turn each no-break space into a blank.
  QString Text() const override {
    return document()->toRawText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  }
  void SetText(const QString& text) override {
    setPlainText(WithLfLineEnds(LimitedToCodePage(text)));
  }

  LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result;
    if (UndoOrClipboard(this, message, &result)) return result;
    switch (message) {
      case WM_CLEAR: {
        QTextCursor cursor = textCursor();
        cursor.removeSelectedText();
        return 0;
      }
      case EM_SETSEL: {
        // Positions count a line break as one character.
        QTextCursor cursor = textCursor();
        int length = cursor.document()->characterCount() - 1;
        Selection selection = SelectionOf(wParam, lParam, length);
        if (selection.none) {
          cursor.clearSelection();
        } else {
          cursor.setPosition(selection.start);
          cursor.setPosition(selection.end, QTextCursor::KeepAnchor);
        }
        setTextCursor(cursor);
        return 0;
      }
      case EM_GETMODIFY:
        return document()->isModified();
      case EM_SETMODIFY:
        document()->setModified(wParam != 0);
        return 0;
      default:
        return 0;
    }
  }

 protected:
  // Without ES_WANTRETURN, Enter belongs to the dialog's default button.
  // With it, Enter with any modifier, and a typed line or paragraph
  // separator, breaks the paragraph as plain Enter does: Qt would make
  // Shift+Enter a line separator, which the code page lacks, and leave
  // Ctrl+Enter to the default button, which would rebuild the report over
  // the edits.
  void keyPressEvent(QKeyEvent* event) override {
    if (OpenedEditMenu(event)) return;
    bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                 event->text() == QChar(QChar::LineSeparator) ||
                 event->text() == QChar(QChar::ParagraphSeparator);
    if (enter && !(windowStyle & ES_WANTRETURN)) {
      event->ignore();
      return;
    }
    if (enter) {
      QKeyEvent plain(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                      event->isAutoRepeat());
      QPlainTextEdit::keyPressEvent(&plain);
      event->accept();
      return;
    }
    if (JoinedAccent(event->text())) {
      event->accept();
      return;
    }
    QString limited = LimitedToCodePage(event->text());
    if (limited == event->text()) {
      QPlainTextEdit::keyPressEvent(event);
      return;
    }
    QKeyEvent typed(event->type(), event->key(), event->modifiers(), limited, event->isAutoRepeat(),
                    static_cast<quint16>(event->count()));
    QPlainTextEdit::keyPressEvent(&typed);
    event->setAccepted(typed.isAccepted());
  }
  void inputMethodEvent(QInputMethodEvent* event) override {
    QInputMethodEvent composed(event->preeditString(), event->attributes());
    composed.setCommitString(LimitedToCodePage(WithLfLineEnds(event->commitString())),
                             event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&composed);
  }
  // Pasting, dropping and the middle button's selection all come here.
  void insertFromMimeData(const QMimeData* source) override {
    if (!source->hasText()) return;
    QMimeData limited;
    limited.setText(LimitedToCodePage(WithLfLineEnds(source->text())));
    QPlainTextEdit::insertFromMimeData(&limited);
  }

 private:
  // An accent typed by itself joins the letter before the cursor where the
  // code page has the pair ("o", then a combining tilde: "õ"), as it does
  // when pasted; true when it did.
  bool JoinedAccent(const QString& typed) {
    QTextCursor cursor = textCursor();
    if (typed.isEmpty() || !typed.front().isMark() || cursor.hasSelection() ||
        cursor.atBlockStart()) {
      return false;
    }
    cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    QString letter = cursor.selectedText();
    QString joined = LimitedToCodePage(letter + typed);
    if (joined == letter + LimitedToCodePage(typed)) return false;
    cursor.insertText(joined);
    setTextCursor(cursor);
    return true;
  }
};

}  // namespace

HWND__* CreateRichEdit(DialogWindow* dialog, const EmbeddedControl& control) {
  if (control.style & ES_MULTILINE) return new TextEditor(dialog, control);
  return new LineEdit(dialog, control);
}
