#include "headless/true_type_font.h"

#include <algorithm>
#include <vector>

#include "text/file_read.h"

namespace {

constexpr std::size_t kLargestFontFile = 50'000'000;

// Big-endian numbers of a table; a read past its end gives 0 and marks the
// reader as failed.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool Ok() const { return ok_; }
  std::uint32_t U8(std::size_t at) { return Byte(at); }
  std::uint32_t U16(std::size_t at) { return (Byte(at) << 8) | Byte(at + 1); }
  int S16(std::size_t at) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(U16(at))); }
  std::uint32_t U32(std::size_t at) { return (U16(at) << 16) | U16(at + 2); }
  std::string_view Slice(std::size_t at, std::size_t length) {
    if (at > bytes_.size() || length > bytes_.size() - at) {
      ok_ = false;
      return {};
    }
    return bytes_.substr(at, length);
  }

 private:
  std::uint32_t Byte(std::size_t at) {
    if (at >= bytes_.size()) {
      ok_ = false;
      return 0;
    }
    return static_cast<unsigned char>(bytes_[at]);
  }

  std::string_view bytes_;
  bool ok_ = true;
};

void Put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>((value >> 8) & 0xFF);
  out += static_cast<char>(value & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value >> 16);
  Put16(out, value & 0xFFFF);
}

void Set32(std::string& out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
}

std::uint32_t CheckSum(std::string_view data) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < data.size(); i += 4) {
    std::uint32_t word = 0;
    for (std::size_t j = 0; j < 4; ++j)
      word = (word << 8) | (i + j < data.size() ? static_cast<unsigned char>(data[i + j]) : 0u);
    sum += word;
  }
  return sum;
}

// A name usable as a PDF name: letters, digits and hyphens.
std::string CleanName(std::string_view name) {
  std::string clean;
  for (const char c : name)
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')
      clean += c;
  return clean.substr(0, 63);
}

std::string PostScriptNameOf(std::string_view table) {
  Reader name(table);
  const std::uint32_t count = name.U16(2);
  const std::uint32_t strings = name.U16(4);
  for (std::uint32_t i = 0; i < count && name.Ok(); ++i) {
    const std::size_t record = 6 + 12 * static_cast<std::size_t>(i);
    const std::uint32_t platform = name.U16(record);
    if (name.U16(record + 6) != 6 || (platform != 1 && platform != 3)) continue;
    const std::string_view text = name.Slice(strings + name.U16(record + 10), name.U16(record + 8));
    std::string ascii;
    // Windows names are UTF-16: every other byte.
    for (std::size_t j = platform == 3 ? 1 : 0; j < text.size(); j += platform == 3 ? 2 : 1)
      ascii += text[j];
    if (!CleanName(ascii).empty()) return CleanName(ascii);
  }
  return {};
}

}  // namespace

std::unique_ptr<TrueTypeFont> TrueTypeFont::Load(const std::string& path, std::string* error) {
  std::unique_ptr<TrueTypeFont> font(new TrueTypeFont());
  if (!ReadRegularFile(path, kLargestFontFile, &font->bytes_, error)) return nullptr;
  if (!font->Parse(error)) {
    *error = "The font file " + path + " cannot be used: " + *error;
    return nullptr;
  }
  return font;
}

std::string_view TrueTypeFont::Table(std::string_view tag) const {
  const auto found = tables_.find(tag);
  return found == tables_.end() ? std::string_view() : found->second;
}

bool TrueTypeFont::Parse(std::string* error) {
  Reader file(bytes_);
  const std::uint32_t count = file.U16(4);
  for (std::uint32_t i = 0; i < count && file.Ok(); ++i) {
    const std::size_t record = 12 + 16 * static_cast<std::size_t>(i);
    const std::string tag(file.Slice(record, 4));
    tables_[tag] = file.Slice(file.U32(record + 8), file.U32(record + 12));
  }
  for (const char* tag : {"head", "hhea", "maxp", "hmtx", "loca", "glyf", "cmap"}) {
    if (!file.Ok() || Table(tag).empty()) {
      *error = std::string("it has no table ") + tag;
      return false;
    }
  }
  Reader head(Table("head"));
  unitsPerEm_ = static_cast<int>(head.U16(18));
  bbox_ = {head.S16(36), head.S16(38), head.S16(40), head.S16(42)};
  longLoca_ = head.S16(50);
  Reader maxp(Table("maxp"));
  glyphCount_ = static_cast<int>(maxp.U16(4));
  Reader hhea(Table("hhea"));
  ascent_ = hhea.S16(4);
  descent_ = -hhea.S16(6);
  const std::uint32_t metrics = hhea.U16(34);
  Reader hmtx(Table("hmtx"));
  for (std::uint32_t i = 0; i < metrics && hmtx.Ok(); ++i)
    advances_.push_back(static_cast<std::uint16_t>(hmtx.U16(4 * static_cast<std::size_t>(i))));
  if (const std::string_view os2 = Table("OS/2"); os2.size() >= 78) {
    Reader table(os2);
    ascent_ = static_cast<int>(table.U16(74));
    descent_ = static_cast<int>(table.U16(76));
    if (table.U16(0) >= 2 && os2.size() >= 90) capHeight_ = table.S16(88);
  }
  if (capHeight_ == 0) capHeight_ = ascent_ * 7 / 10;
  if (const std::string_view post = Table("post"); post.size() >= 12) {
    Reader table(post);
    underlinePosition_ = table.S16(8);
    underlineThickness_ = table.S16(10);
  }
  if (underlineThickness_ <= 0) underlineThickness_ = unitsPerEm_ / 14;
  postScriptName_ = PostScriptNameOf(Table("name"));
  if (postScriptName_.empty()) postScriptName_ = "ReportFont";
  const bool sane = head.Ok() && maxp.Ok() && hhea.Ok() && hmtx.Ok() && unitsPerEm_ > 0 &&
                    glyphCount_ > 0 && !advances_.empty() && ascent_ + descent_ > 0;
  if (!sane) {
    *error = "its metrics cannot be read";
    return false;
  }
  if (!ReadCmap()) {
    *error = "it has no Unicode character map";
    return false;
  }
  return true;
}

bool TrueTypeFont::ReadCmap() {
  Reader cmap(Table("cmap"));
  const std::uint32_t count = cmap.U16(2);
  std::size_t format4 = 0;
  std::size_t format12 = 0;
  for (std::uint32_t i = 0; i < count && cmap.Ok(); ++i) {
    const std::size_t record = 4 + 8 * static_cast<std::size_t>(i);
    const std::uint32_t platform = cmap.U16(record);
    const std::uint32_t encoding = cmap.U16(record + 2);
    const std::size_t offset = cmap.U32(record + 4);
    if (platform == 3 && encoding == 10 && cmap.U16(offset) == 12) format12 = offset;
    if (platform == 3 && encoding == 1 && cmap.U16(offset) == 4) format4 = offset;
  }
  const auto add = [this](std::uint32_t code, std::uint32_t glyph) {
    if (glyph == 0 || glyph >= static_cast<std::uint32_t>(glyphCount_) || code > 0x10FFFF) return;
    cmap_.emplace(static_cast<char32_t>(code), static_cast<std::uint16_t>(glyph));
  };
  // No font maps more characters than Unicode has; a damaged map stops there.
  std::uint32_t budget = 0x110000;
  if (format12 != 0) {
    const std::uint32_t groups = cmap.U32(format12 + 12);
    for (std::uint32_t g = 0; g < groups && cmap.Ok() && budget > 0; ++g) {
      const std::size_t group = format12 + 16 + 12 * static_cast<std::size_t>(g);
      const std::uint32_t start = cmap.U32(group);
      const std::uint32_t end = std::min<std::uint32_t>(cmap.U32(group + 4), 0x10FFFF);
      const std::uint32_t glyph = cmap.U32(group + 8);
      for (std::uint32_t code = start; code <= end && budget > 0; ++code, --budget)
        add(code, glyph + code - start);
    }
  } else if (format4 != 0) {
    const std::size_t segments = cmap.U16(format4 + 6) / 2;
    const std::size_t ends = format4 + 14;
    const std::size_t starts = ends + 2 * segments + 2;
    const std::size_t deltas = starts + 2 * segments;
    const std::size_t ranges = deltas + 2 * segments;
    for (std::size_t s = 0; s < segments && cmap.Ok(); ++s) {
      const std::uint32_t end = cmap.U16(ends + 2 * s);
      const std::uint32_t start = cmap.U16(starts + 2 * s);
      const std::uint32_t delta = cmap.U16(deltas + 2 * s);
      const std::uint32_t range = cmap.U16(ranges + 2 * s);
      for (std::uint32_t code = start; code <= end && code != 0xFFFF && cmap.Ok() && budget > 0;
           ++code, --budget) {
        std::uint32_t glyph = code;
        if (range != 0) {
          glyph = cmap.U16(ranges + 2 * s + range + 2 * (code - start));
          if (glyph == 0) continue;
        }
        add(code, (glyph + delta) & 0xFFFF);
      }
    }
  }
  for (char32_t c = 0; c < asciiGlyphs_.size(); ++c) {
    const auto found = cmap_.find(c);
    asciiGlyphs_[c] = found == cmap_.end() ? 0 : found->second;
  }
  return cmap.Ok() && !cmap_.empty();
}

std::uint16_t TrueTypeFont::GlyphOf(char32_t code) const {
  if (code < asciiGlyphs_.size()) return asciiGlyphs_[code];
  const auto found = cmap_.find(code);
  return found == cmap_.end() ? 0 : found->second;
}

int TrueTypeFont::Advance(std::uint16_t glyph) const {
  return advances_[std::min<std::size_t>(glyph, advances_.size() - 1)];
}

std::uint32_t TrueTypeFont::GlyphOffset(std::uint16_t glyph) const {
  Reader loca(Table("loca"));
  return longLoca_ ? loca.U32(4 * static_cast<std::size_t>(glyph))
                   : 2 * loca.U16(2 * static_cast<std::size_t>(glyph));
}

std::string TrueTypeFont::Subset(const std::set<std::uint16_t>& glyphs) const {
  const std::string_view glyf = Table("glyf");
  const auto glyphData = [&](std::uint16_t glyph) {
    const std::uint32_t begin = GlyphOffset(glyph);
    const std::uint32_t end = GlyphOffset(static_cast<std::uint16_t>(glyph + 1));
    if (glyph >= glyphCount_ || end <= begin || end > glyf.size()) return std::string_view();
    return glyf.substr(begin, end - begin);
  };
  // The glyphs asked for, the missing glyph, and every component they use.
  std::set<std::uint16_t> kept = {0};
  std::vector<std::uint16_t> pending(glyphs.begin(), glyphs.end());
  while (!pending.empty()) {
    const std::uint16_t glyph = pending.back();
    pending.pop_back();
    if (glyph >= glyphCount_ || !kept.insert(glyph).second) continue;
    Reader data(glyphData(glyph));
    if (data.S16(0) >= 0) continue;
    std::size_t at = 10;
    for (std::uint32_t flags = 0x20; (flags & 0x20) && data.Ok();) {
      flags = data.U16(at);
      pending.push_back(static_cast<std::uint16_t>(data.U16(at + 2)));
      at += 4 + ((flags & 1) ? 4 : 2);
      at += (flags & 8) ? 2 : (flags & 0x40) ? 4 : (flags & 0x80) ? 8 : 0;
    }
  }

  std::string newGlyf;
  std::string newLoca;
  for (int glyph = 0; glyph <= glyphCount_; ++glyph) {
    Put32(newLoca, static_cast<std::uint32_t>(newGlyf.size()));
    if (glyph == glyphCount_ || !kept.count(static_cast<std::uint16_t>(glyph))) continue;
    newGlyf += glyphData(static_cast<std::uint16_t>(glyph));
    while (newGlyf.size() % 4) newGlyf += '\0';
  }
  std::string head(Table("head"));
  Set32(head, 8, 0);       // checkSumAdjustment, set once the file is whole
  head[50] = 0;            // indexToLocFormat: long offsets
  head[51] = 1;

  std::map<std::string, std::string> tables = {
      {"glyf", newGlyf}, {"head", head}, {"hhea", std::string(Table("hhea"))},
      {"hmtx", std::string(Table("hmtx"))}, {"loca", newLoca},
      {"maxp", std::string(Table("maxp"))}};
  for (const char* hinting : {"cvt ", "fpgm", "prep"})
    if (!Table(hinting).empty()) tables[hinting] = std::string(Table(hinting));

  const auto count = static_cast<std::uint32_t>(tables.size());
  std::uint32_t power = 1;
  std::uint32_t log = 0;
  while (power * 2 <= count) {
    power *= 2;
    ++log;
  }
  std::string out;
  Put32(out, 0x00010000);
  Put16(out, count);
  Put16(out, power * 16);
  Put16(out, log);
  Put16(out, count * 16 - power * 16);
  std::size_t offset = 12 + 16 * tables.size();
  std::size_t headOffset = 0;
  for (const auto& [tag, data] : tables) {
    out += tag;
    Put32(out, CheckSum(data));
    Put32(out, static_cast<std::uint32_t>(offset));
    Put32(out, static_cast<std::uint32_t>(data.size()));
    if (tag == "head") headOffset = offset;
    offset += (data.size() + 3) / 4 * 4;
  }
  for (const auto& [tag, data] : tables) {
    out += data;
    while (out.size() % 4) out += '\0';
  }
  Set32(out, headOffset + 8, 0xB1B0AFBAu - CheckSum(out));
  return out;
}
