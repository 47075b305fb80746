#pragma once
// Fonts for the grid's pixel heights and weights. A height is the line height
// (ascent plus descent), as the grid's row and header sizes assume; a negative
// height is the character height alone.

#include <QFont>
#include <QFontMetrics>

#include <map>
#include <utility>

#include "grid/grid_host.h"

class GridFonts {
 public:
  explicit GridFonts(const QFont& base);
  const QFont& Font(const GridFont& font);
  const QFontMetrics& Metrics(const GridFont& font);

 private:
  struct Entry {
    QFont font;
    QFontMetrics metrics;
  };
  Entry& Find(const GridFont& font);

  QFont base_;
  double lineHeightPerPixel_ = 1.15;
  std::map<std::pair<int, int>, Entry> cache_;
};
