#pragma once
// Lends a device to a print job, which destroys the device it is given once
// the document ends: the test keeps the real one to look at afterwards.

#include "platform/print_device.h"

class BorrowedPrintDevice : public PrintDevice {
 public:
  explicit BorrowedPrintDevice(PrintDevice& device) : device_(device) {}

  bool StartDocument(std::string_view jobName) override { return device_.StartDocument(jobName); }
  int PageWidth() const override { return device_.PageWidth(); }
  int PageHeight() const override { return device_.PageHeight(); }
  void StartPage() override { device_.StartPage(); }
  void EndPage() override { device_.EndPage(); }
  bool EndDocument() override { return device_.EndDocument(); }
  PrintFontMetrics SelectFont(const PrintFont& font) override { return device_.SelectFont(font); }
  int TextWidth(std::string_view text) override { return device_.TextWidth(text); }
  void DrawText(int x, int y, std::string_view text, PrintAlign align) override {
    device_.DrawText(x, y, text, align);
  }
  void DrawLine(int x1, int y1, int x2, int y2) override { device_.DrawLine(x1, y1, x2, y2); }

 private:
  PrintDevice& device_;
};
