// The simple beep (MessageBeep) as the desktop sounds it. On X11 it is the
// display's bell, which desktops play as their bell sound. Wayland has no
// bell of its own and Qt's Wayland platform plays none, so there the bell is
// the sound theme's "bell-window-system" event played through libcanberra,
// the event sound library of GNOME and KDE, where it is installed; where it
// is not, or cannot play (no sound server), the beep stays silent.
#ifndef OMBRIX_PLATFORM_QT_BELL_H
#define OMBRIX_PLATFORM_QT_BELL_H

void SoundBell();

#endif
