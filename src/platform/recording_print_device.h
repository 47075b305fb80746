#pragma once
// A print device that prints nothing and writes down every call, for tests
// and golden files. Its font metrics are fixed, Arial's: a line is as high as
// the font's height, which Arial's ascent and descent fill with 2288 units of
// its 2048-unit em; a printable ASCII character is as wide as Arial's advance
// in those units, any other as wide as a; a is Arial's average character
// width, 904 units (bold: 983).
//
// One line per call:
//   start "JOB" WIDTH HEIGHT      page                      end page
//   font HEIGHT WEIGHT [underline]
//   text X Y left|right "TEXT"    line X1 Y1 X2 Y2          end
// In TEXT a backslash is written \\, a double quote \" and a control
// character \xNN.

#include <string>
#include <string_view>

#include "platform/print_device.h"

// a for a font of the report: the fixed metric above.
int FixedAverageCharWidth(const PrintFont& font);

class RecordingPrintDevice : public PrintDevice {
 public:
  explicit RecordingPrintDevice(PaperSize paper = PaperSize::kLetter);

  bool StartDocument(std::string_view jobName) override;
  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  void StartPage() override;
  void EndPage() override;
  bool EndDocument() override;
  PrintFontMetrics SelectFont(const PrintFont& font) override;
  int TextWidth(std::string_view text) override;
  void DrawText(int x, int y, std::string_view text, PrintAlign align) override;
  void DrawLine(int x1, int y1, int x2, int y2) override;

  const std::string& Calls() const { return calls_; }
  int Pages() const { return pages_; }
  // The texts drawn, one a line, in the order they were drawn.
  const std::string& Texts() const { return texts_; }
  // A device that cannot start its document, or whose pages do not all arrive.
  void FailToStart() { failStart_ = true; }
  void FailAtEnd() { failEnd_ = true; }

 private:
  int width_;
  int height_;
  PrintFont font_;
  PrintFontMetrics metrics_;
  std::string calls_;
  std::string texts_;
  int pages_ = 0;
  bool failStart_ = false;
  bool failEnd_ = false;
};
