#pragma once
// A TrueType font file as a PDF needs it: glyphs of characters, their
// advances, the metrics of the font descriptor, and a subset of the file that
// keeps only the glyphs a document uses. Every read is bounds-checked, so a
// damaged file is refused, never read past.

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

class TrueTypeFont {
 public:
  // nullptr, with *error saying why, when the file cannot be used.
  static std::unique_ptr<TrueTypeFont> Load(const std::string& path, std::string* error);

  int UnitsPerEm() const { return unitsPerEm_; }
  // The line's height in font units, ascent and descent as the system's
  // text metrics count them.
  int Ascent() const { return ascent_; }
  int Descent() const { return descent_; }
  int CapHeight() const { return capHeight_; }
  int UnderlinePosition() const { return underlinePosition_; }  // below the baseline: negative
  int UnderlineThickness() const { return underlineThickness_; }
  std::array<int, 4> BoundingBox() const { return bbox_; }
  const std::string& PostScriptName() const { return postScriptName_; }

  // 0 (the missing glyph) for a character the font lacks.
  std::uint16_t GlyphOf(char32_t code) const;
  int Advance(std::uint16_t glyph) const;

  // The font file with only these glyphs drawn (and the glyphs they are made
  // of); every other glyph is empty and keeps its number.
  std::string Subset(const std::set<std::uint16_t>& glyphs) const;

 private:
  TrueTypeFont() = default;
  bool Parse(std::string* error);
  bool ReadCmap();
  std::string_view Table(std::string_view tag) const;
  std::uint32_t GlyphOffset(std::uint16_t glyph) const;

  std::string bytes_;
  std::map<std::string, std::string_view, std::less<>> tables_;
  int unitsPerEm_ = 0;
  int ascent_ = 0;
  int descent_ = 0;
  int capHeight_ = 0;
  int underlinePosition_ = 0;
  int underlineThickness_ = 0;
  std::array<int, 4> bbox_{};
  std::string postScriptName_;
  int glyphCount_ = 0;
  int longLoca_ = 0;
  std::vector<std::uint16_t> advances_;
  std::map<char32_t, std::uint16_t> cmap_;
  std::array<std::uint16_t, 128> asciiGlyphs_{};
};
