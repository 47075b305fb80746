#pragma once
// The print device over a QPrinter: a system printer, or the PDF file the
// print dialog's "Print to File" names. Text is set in Liberation Sans (the
// PDF embeds it), measured from the font's own advances so that the layout
// is the same on every printer and in the headless PDF.

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <array>
#include <memory>

#include "platform/print_device.h"

class QtPrintDevice : public PrintDevice {
 public:
  explicit QtPrintDevice(std::unique_ptr<QPrinter> printer);
  ~QtPrintDevice() override;

  bool StartDocument(std::string_view jobName) override;
  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  void StartPage() override;
  void EndPage() override {}
  // False, with the reason told, when the printer or the file failed.
  bool EndDocument() override;
  PrintFontMetrics SelectFont(const PrintFont& font) override;
  int TextWidth(std::string_view text) override;
  void DrawText(int x, int y, std::string_view text, PrintAlign align) override;
  void DrawLine(int x1, int y1, int x2, int y2) override;

  // The report font at a size whose line is the font's height in twips on
  // the printer; the bold face from weight 600.
  static QFont ReportFont(const PrintFont& font);

 private:
  // A face at its design size, where hinting never moves an advance.
  struct Face {
    explicit Face(bool bold);
    QFontMetricsF metrics;
    double cell;     // ascent and descent, in design pixels
    double average;  // a, in design pixels
  };

  const Face& FaceOf(const PrintFont& font) const { return font.weight >= 600 ? bold_ : regular_; }
  double TwipsWidth(const QString& text) const;
  double DeviceX(double twips) const;
  double DeviceY(double twips) const;

  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  double dpiX_ = kTwipsPerInch;
  double dpiY_ = kTwipsPerInch;
  int width_ = 0;
  int height_ = 0;
  const Face regular_{false};
  const Face bold_{true};
  PrintFont font_;
  QFont painterFont_;
  bool failed_ = false;
};
