// Telling a screen reader that the program has put a new text into a text
// control, without moving the keyboard focus: as a desktop's notifications
// are told, an object of the notification role that becomes visible, named
// by what it says ("Uus tekst: " and the text's first line). Orca reads such
// an object as soon as it shows.
//
// Only a multi-line text control in a window on the screen announces: the
// text that a dialog sets while it is being built is read with the dialog.
#ifndef OMBRIX_PLATFORM_QT_ANNOUNCEMENT_H
#define OMBRIX_PLATFORM_QT_ANNOUNCEMENT_H

#include <QAccessibleInterface>
#include <QObject>

#include "platform/qt/window.h"

// Announces the control's new text where it is one to announce.
void AnnounceNewText(HWND__* control);

// The accessible interface of an announcement; nullptr for other objects.
QAccessibleInterface* AccessibleAnnouncement(QObject* object);

#endif
