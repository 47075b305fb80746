#pragma once
// Dialog units to pixels through the dialog font, as templates are laid out.

#include <QFont>
#include <QRect>

struct DialogUnits {
  int avgCharWidth = 6;
  int charHeight = 13;

  static DialogUnits ForFont(const QFont& font);
  // x and widths in quarters of the average character width, y and heights in
  // eighths of the character height, rounded to the nearest pixel.
  int X(int units) const;
  int Y(int units) const;
  QRect Rect(int x, int y, int width, int height) const;
};
