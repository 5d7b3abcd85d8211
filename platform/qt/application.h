// What the layer sets up once the application object exists, before the
// program's first window: Estonian for Qt's own texts and for number and
// date formats, the style that keeps the focus in sight (focus_style.h), and
// the program's icon (its icon group with the lowest identifier, as Windows
// shows it for the program file) as the icon of every window.
#ifndef OMBRIX_PLATFORM_QT_APPLICATION_H
#define OMBRIX_PLATFORM_QT_APPLICATION_H

void PrepareApplication();

#endif
