#include "qt/grid_fonts.h"

#include "qt/design_font.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kProbePixels = 100;
constexpr long kMaxPixels = 2000;
}  // namespace

GridFonts::GridFonts(const QFont& base) : base_(WithDesignFamily(base)) {
  QFont probe(base_);
  probe.setPixelSize(kProbePixels);
  const int lineHeight = QFontMetrics(probe).height();
  if (lineHeight > 0) lineHeightPerPixel_ = static_cast<double>(lineHeight) / kProbePixels;
}

GridFonts::Entry& GridFonts::Find(const GridFont& font) {
  const auto key = std::make_pair(font.height, font.weight);
  auto it = cache_.find(key);
  if (it != cache_.end()) return it->second;
  QFont qfont(base_);
  if (font.height > 0) {
    const long pixels = std::lround(font.height / lineHeightPerPixel_);
    qfont.setPixelSize(static_cast<int>(std::clamp(pixels, 1L, kMaxPixels)));
  } else if (font.height < 0) {
    qfont.setPixelSize(static_cast<int>(std::clamp(-static_cast<long>(font.height), 1L, kMaxPixels)));
  }
  // Weight 0 asks for the default, as it does of the system.
  const int weight = font.weight <= 0 ? 400 : std::min(font.weight, 1000);
  qfont.setWeight(static_cast<QFont::Weight>(weight));
  return cache_.emplace(key, Entry{qfont, QFontMetrics(qfont)}).first->second;
}

const QFont& GridFonts::Font(const GridFont& font) { return Find(font).font; }

const QFontMetrics& GridFonts::Metrics(const GridFont& font) { return Find(font).metrics; }
