// Dialog units, the coordinates of dialog templates, converted to pixels as
// Win32 does for a dialog with its own font: the horizontal base unit is the
// average width of the letters A-Z and a-z, the vertical one the font's
// height; a horizontal unit is a quarter, a vertical one an eighth of them.
#ifndef OMBRIX_PLATFORM_QT_DIALOG_UNITS_H
#define OMBRIX_PLATFORM_QT_DIALOG_UNITS_H

#include <QFont>
#include <QRect>

struct BaseUnits {
  int x;
  int y;
};

// number * numerator / denominator, rounded to the nearest integer and
// halves away from zero, as Win32's MulDiv.
int MulDiv(int number, int numerator, int denominator);

// How much larger the desktop's font is than Windows' own, 9 points, for
// which templates are laid out; 1 where it is not larger.
double DesktopFontScale();

// The font of a template: the face, the size in points at the screen's
// logical resolution (rounded to whole pixels, as Win32 does) and enlarged
// as the desktop's font is (DesktopFontScale), the weight (100-900; 0
// leaves the normal weight) and italic. Dialog units follow the font, so
// the whole layout grows with it.
QFont TemplateFont(const char* face, int points, int weight, bool italic);

BaseUnits DialogBaseUnits(const QFont& font);

// A rectangle of dialog units in pixels; each value is converted by itself.
QRect DialogUnitsToPixels(BaseUnits units, int x, int y, int cx, int cy);

#endif
