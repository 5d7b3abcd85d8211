#include "platform/qt/dialog_units.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdint>

int MulDiv(int number, int numerator, int denominator) {
  int64_t product = static_cast<int64_t>(number) * numerator;
  int64_t half = denominator / 2;
  return static_cast<int>((product >= 0 ? product + half : product - half) / denominator);
}

double DesktopFontScale() {
  constexpr double kWindowsPoints = 9;
  constexpr double kPointsPerInch = 72;
  QFont desktop = QGuiApplication::font();
  double points = desktop.pointSizeF();
  if (points <= 0) {
    points = desktop.pixelSize() * kPointsPerInch /
             QGuiApplication::primaryScreen()->logicalDotsPerInchY();
  }
  return std::max(1.0, points / kWindowsPoints);
}

QFont TemplateFont(const char* face, int points, int weight, bool italic) {
  constexpr int kPointsPerInch = 72;
  QFont font(QString::fromLatin1(face));
  font.setStyleHint(QFont::SansSerif);
  int dpi = static_cast<int>(QGuiApplication::primaryScreen()->logicalDotsPerInchY() + 0.5);
  double scale = DesktopFontScale();
  font.setPixelSize(scale == 1.0
                        ? MulDiv(points, dpi, kPointsPerInch)
                        : static_cast<int>(std::lround(points * scale * dpi / kPointsPerInch)));
  if (weight > 0) font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(italic);
  return font;
}

BaseUnits DialogBaseUnits(const QFont& font) {
  QFontMetrics metrics(font);
  int width = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(width / 26 + 1) / 2, metrics.height()};
}

QRect DialogUnitsToPixels(BaseUnits units, int x, int y, int cx, int cy) {
  return QRect(MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(cx, units.x, 4),
               MulDiv(cy, units.y, 8));
}
