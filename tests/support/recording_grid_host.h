#pragma once
// A grid host that records notifications and measures text with fixed metrics:
// every character is 7 pixels wide and a line is the font's height.

#include <cstdint>
#include <string_view>
#include <vector>

#include "document/utf8_text.h"
#include "grid/grid_host.h"

struct RecordedNotification {
  int controlId;
  int code;
  std::intptr_t lParam;
};

class RecordingGridHost : public GridHost {
 public:
  void GridNotify(int controlId, int code, std::intptr_t lParam) override {
    notifications.push_back({controlId, code, lParam});
  }
  TextExtent MeasureText(const GridFont& font, std::string_view text) override {
    return {static_cast<int>(CountChars(text)) * 7, font.height};
  }
  void Beep() override { ++beeps; }
  void Invalidate() override { ++invalidations; }

  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const auto& n : notifications) codes.push_back(n.code);
    return codes;
  }

  std::vector<RecordedNotification> notifications;
  int beeps = 0;
  int invalidations = 0;
};
