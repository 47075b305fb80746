#include "platform/recording_print_device.h"

#include <array>
#include <cstdint>
#include <cstdio>


namespace {

constexpr int kArialEmCell = 2288;

// Advance widths of the characters from the space to the tilde.
constexpr std::array<std::uint16_t, 95> kRegularWidths = {
    569, 569, 727, 1139, 1139, 1821, 1366, 391, 682, 682, 797, 1196, 569, 682, 569, 569, 1139,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569, 569, 1196, 1196, 1196, 1139, 2079,
    1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569, 1024, 1366, 1139, 1706, 1479, 1593, 1366,
    1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569, 569, 569, 961, 1139, 682,
    1139, 1139, 1024, 1139, 1139, 569, 1139, 1139, 455, 455, 1024, 455, 1706, 1139, 1139, 1139,
    1139, 682, 1024, 569, 1139, 1024, 1479, 1024, 1024, 1024, 684, 532, 684, 1196,
};
constexpr std::array<std::uint16_t, 95> kBoldWidths = {
    569, 682, 971, 1139, 1139, 1821, 1479, 487, 682, 682, 797, 1196, 569, 682, 569, 569, 1139,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 682, 682, 1196, 1196, 1196, 1251, 1997,
    1479, 1479, 1479, 1479, 1366, 1251, 1593, 1479, 569, 1139, 1479, 1251, 1706, 1479, 1593, 1366,
    1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 682, 569, 682, 1196, 1139, 682,
    1139, 1251, 1139, 1251, 1139, 682, 1251, 1251, 569, 569, 1139, 569, 1821, 1251, 1251, 1251,
    1251, 797, 1139, 682, 1251, 1139, 1593, 1139, 1139, 1024, 797, 573, 797, 1196,
};

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '"') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

int FixedAverageCharWidth(const PrintFont& font) {
  const int units = font.weight >= 600 ? 983 : 904;
  return (font.height * units + kArialEmCell / 2) / kArialEmCell;
}

RecordingPrintDevice::RecordingPrintDevice(PaperSize paper) {
  const PaperTwips sheet = PaperSheet(paper);
  width_ = sheet.width - 2 * kPaperMarginTwips;
  height_ = -(sheet.height - 2 * kPaperMarginTwips);
}

bool RecordingPrintDevice::StartDocument(std::string_view jobName) {
  if (failStart_) return false;
  calls_ += "start " + Quoted(jobName) + " " + std::to_string(width_) + " " +
            std::to_string(height_) + "\n";
  return true;
}

void RecordingPrintDevice::StartPage() {
  ++pages_;
  calls_ += "page\n";
}

void RecordingPrintDevice::EndPage() { calls_ += "end page\n"; }

bool RecordingPrintDevice::EndDocument() {
  calls_ += "end\n";
  return !failEnd_;
}

PrintFontMetrics RecordingPrintDevice::SelectFont(const PrintFont& font) {
  calls_ += "font " + std::to_string(font.height) + " " + std::to_string(font.weight) +
            (font.underline ? " underline\n" : "\n");
  font_ = font;
  metrics_ = {FixedAverageCharWidth(font), font.height};
  return metrics_;
}

int RecordingPrintDevice::TextWidth(std::string_view text) {
  const bool bold = font_.weight >= 600;
  const std::array<std::uint16_t, 95>& widths = bold ? kBoldWidths : kRegularWidths;
  long long units = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte < 0x7F) {
      units += widths[byte - 0x20];
    } else if ((byte & 0xC0) != 0x80) {
      units += bold ? 983 : 904;
    }
  }
  return static_cast<int>((units * font_.height + kArialEmCell / 2) / kArialEmCell);
}

void RecordingPrintDevice::DrawText(int x, int y, std::string_view text, PrintAlign align) {
  calls_ += "text " + std::to_string(x) + " " + std::to_string(y) +
            (align == PrintAlign::kRight ? " right " : " left ") + Quoted(text) + "\n";
  texts_.append(text).append("\n");
}

void RecordingPrintDevice::DrawLine(int x1, int y1, int x2, int y2) {
  calls_ += "line " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) +
            " " + std::to_string(y2) + "\n";
}
