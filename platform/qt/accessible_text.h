// What a screen reader reads and edits of the text controls (a line edit,
// a plain-text editor): their text, caret, selection and the character,
// word, sentence, line and paragraph at any offset, answered by the layer
// itself (text_spans.h) so that no query can hang, whatever the text. Edits
// that a reader makes enter as typing does: through the undo history and
// limited to what code page 1257 carries.
#ifndef OMBRIX_PLATFORM_QT_ACCESSIBLE_TEXT_H
#define OMBRIX_PLATFORM_QT_ACCESSIBLE_TEXT_H

#include <QAccessibleInterface>
#include <QWidget>

// The interface of a QLineEdit or QPlainTextEdit; nullptr for another widget.
QAccessibleInterface* AccessibleTextControl(QWidget* widget);

#endif
