#pragma once
// A grid host that records notifications; every character is 7 pixels wide.

#include <cstdint>
#include <string_view>
#include <vector>

#include "text/utf8_text.h"
#include "grid/grid_host.h"

struct RecordedNotification {
  int controlId, code;
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

  std::vector<RecordedNotification> notifications;
};
