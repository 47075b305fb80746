#include "headless/pdf_print_device.h"

#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <memory>

#include "headless/true_type_font.h"
#include "platform/app_message.h"
#include "platform/report_font.h"
#include "text/file_replace.h"

namespace {

// Loaded once for the process: the faces never change while it runs.
const TrueTypeFont* ReportFont(bool bold, std::string* error) {
  static std::array<std::unique_ptr<TrueTypeFont>, 2> loaded;
  std::unique_ptr<TrueTypeFont>& font = loaded[bold ? 1 : 0];
  if (font) return font.get();
  const std::string path = FindReportFontFile(bold);
  if (path.empty()) {
    *error = ReportFontMissingMessage();
    return nullptr;
  }
  font = TrueTypeFont::Load(path, error);
  return font.get();
}

std::string Deflate(std::string_view bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()),
                Z_BEST_SPEED) != Z_OK) {
    return {};
  }
  out.resize(size);
  return out;
}

// Points with two decimals, without the C locale.
void AppendNumber(std::string& out, double value) {
  long long hundredths = std::llround(value * 100);
  if (hundredths < 0) {
    out += '-';
    hundredths = -hundredths;
  }
  out += std::to_string(hundredths / 100);
  const long long rest = hundredths % 100;
  if (rest == 0) return;
  out += '.';
  out += static_cast<char>('0' + rest / 10);
  if (rest % 10) out += static_cast<char>('0' + rest % 10);
}

void AppendHex16(std::string& out, std::uint32_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

// The characters of UTF-8 text; a byte that starts no valid sequence is
// taken as a character of its own.
template <typename Each>
void ForEachChar(std::string_view text, Each each) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3
                               : lead >> 3 == 30 ? 4 : 0;
    char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F
                                                                               : lead & 0x07;
    bool valid = length > 0 && i + length <= text.size();
    for (std::size_t j = 1; valid && j < length; ++j) {
      const auto next = static_cast<unsigned char>(text[i + j]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    if (!valid) {
      each(static_cast<char32_t>(0xFFFD));
      ++i;
      continue;
    }
    each(code);
    i += length;
  }
}

// A text of the document's information: UTF-16 with its byte order mark.
std::string InfoText(std::string_view text) {
  std::string out = "<FEFF";
  ForEachChar(text, [&out](char32_t code) {
    if (code > 0xFFFF) {
      code -= 0x10000;
      AppendHex16(out, 0xD800 + (code >> 10));
      AppendHex16(out, 0xDC00 + (code & 0x3FF));
    } else {
      AppendHex16(out, code);
    }
  });
  return out + ">";
}

// Six capitals naming a subset, as PDF readers expect before the font's name.
std::string SubsetTag(const std::set<std::uint16_t>& glyphs, bool bold) {
  std::uint32_t hash = bold ? 2166136261u : 16777619u;
  for (const std::uint16_t glyph : glyphs) hash = (hash ^ glyph) * 16777619u;
  std::string tag;
  for (int i = 0; i < 6; ++i, hash /= 26) tag += static_cast<char>('A' + hash % 26);
  return tag;
}

// Objects numbered from 1, written in order, with their offsets for the
// cross-reference table.
class PdfFile {
 public:
  PdfFile() { bytes_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }
  int Reserve() { return ++count_; }
  void Object(int number, std::string_view body) {
    Begin(number);
    bytes_.append(body).append("\nendobj\n");
  }
  void Stream(int number, std::string_view dictionary, std::string_view data) {
    Begin(number);
    bytes_.append("<< ").append(dictionary).append(" /Length ");
    bytes_.append(std::to_string(data.size())).append(" >>\nstream\n");
    bytes_.append(data).append("\nendstream\nendobj\n");
  }
  std::string Finish(int root, int info) {
    const std::size_t xref = bytes_.size();
    bytes_ += "xref\n0 " + std::to_string(count_ + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets_) {
      char entry[24];
      std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
      bytes_ += entry;
    }
    bytes_ += "trailer\n<< /Size " + std::to_string(count_ + 1) + " /Root " +
              std::to_string(root) + " 0 R /Info " + std::to_string(info) +
              " 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return std::move(bytes_);
  }

 private:
  void Begin(int number) {
    if (offsets_.size() < static_cast<std::size_t>(number)) offsets_.resize(number);
    offsets_[static_cast<std::size_t>(number) - 1] = bytes_.size();
    bytes_ += std::to_string(number) + " 0 obj\n";
  }

  std::string bytes_;
  std::vector<std::size_t> offsets_;
  int count_ = 0;
};

std::string Ref(int number) { return std::to_string(number) + " 0 R"; }

std::string ToUnicodeMap(const std::map<std::uint16_t, char32_t>& characters) {
  std::string map =
      "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
  auto it = characters.begin();
  while (it != characters.end()) {
    std::string block;
    int count = 0;
    for (; it != characters.end() && count < 100; ++it, ++count) {
      block += "<";
      AppendHex16(block, it->first);
      block += "> <";
      char32_t code = it->second;
      if (code > 0xFFFF) {
        code -= 0x10000;
        AppendHex16(block, 0xD800 + (code >> 10));
        AppendHex16(block, 0xDC00 + (code & 0x3FF));
      } else {
        AppendHex16(block, code);
      }
      block += ">\n";
    }
    map += std::to_string(count) + " beginbfchar\n" + block + "endbfchar\n";
  }
  return map + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

}  // namespace

PdfPrintDevice::PdfPrintDevice(std::string path, PaperSize paper)
    : path_(std::move(path)), sheet_(PaperSheet(paper)) {}

PdfPrintDevice::~PdfPrintDevice() = default;

bool PdfPrintDevice::StartDocument(std::string_view jobName) {
  title_ = jobName;
  std::string error;
  for (int bold = 0; bold < 2; ++bold) {
    Face& face = faces_[static_cast<std::size_t>(bold)];
    face.font = ReportFont(bold == 1, &error);
    if (!face.font) {
      App_MessageBox(error);
      return false;
    }
    face.averageUnits = WeightedAverageCharWidth(
        [&face](char c) { return face.font->Advance(face.font->GlyphOf(static_cast<unsigned char>(c))); });
  }
  return true;
}

int PdfPrintDevice::PageWidth() const { return sheet_.width - 2 * kPaperMarginTwips; }

int PdfPrintDevice::PageHeight() const { return -(sheet_.height - 2 * kPaperMarginTwips); }

double PdfPrintDevice::PointX(int x) const { return (kPaperMarginTwips + x) / 20.0; }

double PdfPrintDevice::PointY(int y) const {
  return (sheet_.height - kPaperMarginTwips + y) / 20.0;
}

void PdfPrintDevice::StartPage() {
  if (pageOpen_) EndPage();
  content_.clear();
  pageOpen_ = true;
}

void PdfPrintDevice::EndPage() {
  if (!pageOpen_) return;
  pages_.push_back(Deflate(content_));
  content_.clear();
  pageOpen_ = false;
}

PrintFontMetrics PdfPrintDevice::SelectFont(const PrintFont& font) {
  font_ = font;
  const Face& face = Current();
  if (!face.font) return {0, font.height};
  const int cell = face.font->Ascent() + face.font->Descent();
  return {static_cast<int>(std::lround(face.averageUnits * font.height / cell)), font.height};
}

int PdfPrintDevice::TextWidth(std::string_view text) {
  const Face& face = Current();
  if (!face.font) return 0;
  long long units = 0;
  ForEachChar(text, [&](char32_t code) { units += face.font->Advance(face.font->GlyphOf(code)); });
  const int cell = face.font->Ascent() + face.font->Descent();
  return static_cast<int>((units * font_.height + cell / 2) / cell);
}

void PdfPrintDevice::DrawText(int x, int y, std::string_view text, PrintAlign align) {
  Face& face = Current();
  if (!pageOpen_ || !face.font || text.empty()) return;
  const TrueTypeFont& font = *face.font;
  const int cell = font.Ascent() + font.Descent();
  std::string glyphs;
  long long units = 0;
  ForEachChar(text, [&](char32_t code) {
    const std::uint16_t glyph = font.GlyphOf(code);
    units += font.Advance(glyph);
    face.used.insert(glyph);
    face.characters.emplace(glyph, code);
    AppendHex16(glyphs, glyph);
  });
  const double width = static_cast<double>(units) * font_.height / cell;
  const double left = align == PrintAlign::kRight ? x - width : x;
  const double baseline = y - static_cast<double>(font_.height) * font.Ascent() / cell;
  const double size = static_cast<double>(font_.height) * font.UnitsPerEm() / cell / 20.0;

  content_ += font_.weight >= 600 ? "BT /F1 " : "BT /F0 ";
  AppendNumber(content_, size);
  content_ += " Tf ";
  AppendNumber(content_, (kPaperMarginTwips + left) / 20.0);
  content_ += ' ';
  AppendNumber(content_, (sheet_.height - kPaperMarginTwips + baseline) / 20.0);
  content_ += " Td <" + glyphs + "> Tj ET\n";
  if (!font_.underline) return;
  const double scale = static_cast<double>(font_.height) / cell;
  const double thickness = font.UnderlineThickness() * scale;
  const double top = baseline + font.UnderlinePosition() * scale + thickness / 2;
  AppendNumber(content_, (kPaperMarginTwips + left) / 20.0);
  content_ += ' ';
  AppendNumber(content_, (sheet_.height - kPaperMarginTwips + top - thickness) / 20.0);
  content_ += ' ';
  AppendNumber(content_, width / 20.0);
  content_ += ' ';
  AppendNumber(content_, thickness / 20.0);
  content_ += " re f\n";
}

void PdfPrintDevice::DrawLine(int x1, int y1, int x2, int y2) {
  if (!pageOpen_) return;
  content_ += "0.5 w ";
  AppendNumber(content_, PointX(x1));
  content_ += ' ';
  AppendNumber(content_, PointY(y1));
  content_ += " m ";
  AppendNumber(content_, PointX(x2));
  content_ += ' ';
  AppendNumber(content_, PointY(y2));
  content_ += " l S\n";
}

std::string PdfPrintDevice::DocumentBytes() const {
  PdfFile file;
  const int catalog = file.Reserve();
  const int pageTree = file.Reserve();
  const int info = file.Reserve();
  const int resources = file.Reserve();

  std::string fonts;
  for (int bold = 0; bold < 2; ++bold) {
    const Face& face = faces_[static_cast<std::size_t>(bold)];
    if (face.used.empty() || !face.font) continue;
    const TrueTypeFont& font = *face.font;
    const int type0 = file.Reserve();
    const int cid = file.Reserve();
    const int descriptor = file.Reserve();
    const int fontFile = file.Reserve();
    const int toUnicode = file.Reserve();
    const std::string name = "/" + SubsetTag(face.used, bold == 1) + "+" + font.PostScriptName();
    const auto thousandths = [&font](int units) {
      return std::to_string(std::lround(units * 1000.0 / font.UnitsPerEm()));
    };
    file.Object(type0, "<< /Type /Font /Subtype /Type0 /BaseFont " + name +
                           " /Encoding /Identity-H /DescendantFonts [" + Ref(cid) +
                           "] /ToUnicode " + Ref(toUnicode) + " >>");
    std::string widths;
    for (const std::uint16_t glyph : face.used)
      widths += std::to_string(glyph) + " [" + thousandths(font.Advance(glyph)) + "] ";
    file.Object(cid, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont " + name +
                         " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0"
                         " >> /FontDescriptor " + Ref(descriptor) +
                         " /CIDToGIDMap /Identity /DW 1000 /W [" + widths + "] >>");
    const std::array<int, 4> box = font.BoundingBox();
    file.Object(descriptor,
                "<< /Type /FontDescriptor /FontName " + name + " /Flags 32 /FontBBox [" +
                    thousandths(box[0]) + " " + thousandths(box[1]) + " " + thousandths(box[2]) +
                    " " + thousandths(box[3]) + "] /ItalicAngle 0 /Ascent " +
                    thousandths(font.Ascent()) + " /Descent -" + thousandths(font.Descent()) +
                    " /CapHeight " + thousandths(font.CapHeight()) + " /StemV " +
                    (bold ? "120" : "80") + " /FontFile2 " + Ref(fontFile) + " >>");
    const std::string subset = font.Subset(face.used);
    file.Stream(fontFile, "/Filter /FlateDecode /Length1 " + std::to_string(subset.size()),
                Deflate(subset));
    file.Stream(toUnicode, "/Filter /FlateDecode", Deflate(ToUnicodeMap(face.characters)));
    fonts += "/F" + std::to_string(bold) + " " + Ref(type0) + " ";
  }
  file.Object(resources, "<< /Font << " + fonts + ">> >>");

  std::string kids;
  for (const std::string& page : pages_) {
    const int pageObject = file.Reserve();
    const int contents = file.Reserve();
    file.Object(pageObject, "<< /Type /Page /Parent " + Ref(pageTree) + " /Resources " +
                                Ref(resources) + " /Contents " + Ref(contents) + " >>");
    file.Stream(contents, "/Filter /FlateDecode", page);
    kids += Ref(pageObject) + " ";
  }
  std::string media = "[0 0 ";
  AppendNumber(media, sheet_.width / 20.0);
  media += ' ';
  AppendNumber(media, sheet_.height / 20.0);
  media += ']';
  file.Object(pageTree, "<< /Type /Pages /Kids [" + kids + "] /Count " +
                            std::to_string(pages_.size()) + " /MediaBox " + media + " >>");
  file.Object(catalog, "<< /Type /Catalog /Pages " + Ref(pageTree) + " >>");
  file.Object(info, "<< /Title " + InfoText(title_) + " /Producer " +
                        InfoText("Corvale Herdwright") + " >>");
  return file.Finish(catalog, info);
}

bool PdfPrintDevice::EndDocument() {
  EndPage();
  if (pages_.empty()) return true;
  std::string error;
  if (!ReplaceFileContents(path_, DocumentBytes(), &error)) {
    App_MessageBox("Problem writing file <" + path_ + ">\n\n" + error);
    return false;
  }
  return true;
}
