#include "qt/dialog_units.h"

#include <QFontMetrics>
#include <QString>

#include <cstdint>

namespace {
int MulDiv(int value, int numerator, int denominator) {
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}
}  // namespace

DialogUnits DialogUnits::ForFont(const QFont& font) {
  // The average over the alphabet, as dialog base units are measured; the font's
  // own average width is skewed by digits and punctuation.
  const QFontMetrics metrics(font);
  static const QString alphabet =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  DialogUnits units;
  units.avgCharWidth = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
  units.charHeight = metrics.height();
  if (units.avgCharWidth < 1) units.avgCharWidth = 1;
  if (units.charHeight < 1) units.charHeight = 1;
  return units;
}

int DialogUnits::X(int units) const { return MulDiv(units, avgCharWidth, 4); }
int DialogUnits::Y(int units) const { return MulDiv(units, charHeight, 8); }

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
  return QRect(X(x), Y(y), X(width), Y(height));
}
