// What a screen reader learns of the help viewer: a window, named by the
// help's title, holding a read-only document named alike. The document
// reads as text by characters, words, lines and sentences from its caret,
// and its headings and links are its children in reading order, so that a
// reader moves through it by them; a link's action follows it.
#ifndef OMBRIX_PLATFORM_QT_HELP_ACCESSIBILITY_H
#define OMBRIX_PLATFORM_QT_HELP_ACCESSIBILITY_H

#include <QAccessibleInterface>
#include <QTextBrowser>
#include <QWidget>

// The help viewer's top-level widget.
class HelpWindow : public QWidget {
 public:
  HelpWindow() : QWidget(nullptr, Qt::Window) {}
};

// The interface of a help window or of the text browser in it; nullptr for
// other objects.
QAccessibleInterface* AccessibleHelp(QObject* object);

// Puts the browser's caret at the start of the anchor's text (no
// selection), where a reader goes on reading after following a link.
void MoveCaretToAnchor(QTextBrowser* browser, const QString& anchor);

#endif
