// Estonian for every text of the program's windows that is not the
// program's own: the layer's texts (layer_text.h) and those that Qt's own
// widgets show (the file dialog and its questions, the standard buttons, the
// edit menus of line edits and text views). Debian carries no Estonian
// translation of Qt; this is the part of one that the program's windows need.
#ifndef OMBRIX_PLATFORM_QT_ESTONIAN_TEXTS_H
#define OMBRIX_PLATFORM_QT_ESTONIAN_TEXTS_H

// Installs the translation into the running application, once.
void InstallEstonianTexts();

// The Estonian of one of the layer's texts, in UTF-8, for the time before
// the application exists; the text itself where there is none.
const char* EstonianLayerText(const char* english);

#endif
