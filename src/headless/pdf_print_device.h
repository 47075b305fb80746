#pragma once
// A print device that writes a PDF file: the printable area of the paper a
// quarter inch in from every edge, the report font embedded (Liberation
// Sans, only the glyphs used) and every page compressed. The file is
// replaced only once the document is whole; a document of no pages writes
// nothing.

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/print_device.h"

class TrueTypeFont;

class PdfPrintDevice : public PrintDevice {
 public:
  PdfPrintDevice(std::string path, PaperSize paper);
  ~PdfPrintDevice() override;

  // False, with the reason told, when the report font is not installed.
  bool StartDocument(std::string_view jobName) override;
  int PageWidth() const override;
  int PageHeight() const override;
  void StartPage() override;
  void EndPage() override;
  // False, with the reason told, when the file cannot be written.
  bool EndDocument() override;
  PrintFontMetrics SelectFont(const PrintFont& font) override;
  int TextWidth(std::string_view text) override;
  void DrawText(int x, int y, std::string_view text, PrintAlign align) override;
  void DrawLine(int x1, int y1, int x2, int y2) override;

  // The document's bytes as EndDocument writes them.
  std::string DocumentBytes() const;
  int Pages() const { return static_cast<int>(pages_.size()); }

 private:
  // One face of the font, and what the document has used of it.
  struct Face {
    const TrueTypeFont* font = nullptr;
    double averageUnits = 0;
    std::set<std::uint16_t> used;
    std::map<std::uint16_t, char32_t> characters;
  };

  Face& Current() { return faces_[font_.weight >= 600 ? 1 : 0]; }
  // Twips to points from the sheet's bottom left.
  double PointX(int x) const;
  double PointY(int y) const;

  std::string path_;
  PaperTwips sheet_;
  std::string title_;
  std::array<Face, 2> faces_;
  PrintFont font_;
  std::string content_;
  bool pageOpen_ = false;
  std::vector<std::string> pages_;  // compressed content streams
};
