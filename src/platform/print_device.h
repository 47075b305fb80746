#pragma once
// A printer as the print engine sees it: pages in twips (1/1440 inch) with the
// origin at the top left of the printable area, x to the right and y upwards,
// so positions down the page are negative. Text is placed by the top of its
// line, at its left or its right end. Every font is the report font, Arial or
// its metric twin, by height and weight.

#include <memory>
#include <string_view>

inline constexpr int kTwipsPerInch = 1440;

struct PrintFont {
  int height = 200;  // the line's height in twips: 200 is 10 point
  int weight = 400;  // 400 normal, 700 bold
  bool underline = false;

  bool operator==(const PrintFont&) const = default;
};

struct PrintFontMetrics {
  int averageCharWidth = 0;  // a
  int height = 0;            // h
};

enum class PrintAlign { kLeft, kRight };

enum class PaperSize { kLetter, kA4 };

// A printer cannot print to the paper's edge: the devices without a printer
// of their own keep a quarter inch clear on every side, as most printers do.
inline constexpr int kPaperMarginTwips = kTwipsPerInch / 4;

struct PaperTwips {
  int width = 0;
  int height = 0;
};
// The whole sheet: Letter 8.5 x 11 in, A4 210 x 297 mm.
inline PaperTwips PaperSheet(PaperSize paper) {
  return paper == PaperSize::kA4 ? PaperTwips{11906, 16838} : PaperTwips{12240, 15840};
}

class PrintDevice {
 public:
  virtual ~PrintDevice() = default;

  // False when the document cannot be started; nothing is printed then.
  virtual bool StartDocument(std::string_view jobName) = 0;
  // The printable area: its width, and its height as a negative number.
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  virtual void StartPage() = 0;
  virtual void EndPage() = 0;
  // True when every page reached the printer or the file; a device that
  // failed has told the user why.
  virtual bool EndDocument() = 0;

  virtual PrintFontMetrics SelectFont(const PrintFont& font) = 0;
  // The width of the text in the selected font.
  virtual int TextWidth(std::string_view text) = 0;
  virtual void DrawText(int x, int y, std::string_view text, PrintAlign align) = 0;
  virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
};

// What the print dialog returns: the device to print on and the copies the
// program prints itself; no device when the user cancelled.
struct PrinterChoice {
  std::unique_ptr<PrintDevice> device;
  int copies = 0;
};
