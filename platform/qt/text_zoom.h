// Zooming a multi-line text control's text, as editors and browsers do:
// Ctrl and the mouse wheel, Ctrl++ (also Ctrl+= and the keypad's +) and
// Ctrl+-, between half and four times the dialog's font size; Ctrl+0 goes
// back to it. Only the text grows: the dialog keeps its layout.
#ifndef OMBRIX_PLATFORM_QT_TEXT_ZOOM_H
#define OMBRIX_PLATFORM_QT_TEXT_ZOOM_H

#include <QPlainTextEdit>

// Lets the user zoom the editor's text.
void AllowTextZoom(QPlainTextEdit* editor);

#endif
