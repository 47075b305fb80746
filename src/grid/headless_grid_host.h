#pragma once
// A grid host without a screen: notifications go nowhere and text is measured
// with fixed metrics (7 pixels a character, a line as high as the font).

#include "text/utf8_text.h"
#include "grid/grid_host.h"

class HeadlessGridHost : public GridHost {
 public:
  void GridNotify(int, int, std::intptr_t) override {}
  TextExtent MeasureText(const GridFont& font, std::string_view text) override {
    return {static_cast<int>(CountChars(text)) * 7, font.height};
  }
};
