#pragma once
// An editable grid of 20 rows and 6 columns in a 300 x 211 view: a 21-pixel
// heading row and ten 19-pixel rows; column 0 and five 50-pixel columns. The
// host gives the grid the focus at once, as the window system does.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "grid/grid_engine.h"
#include "support/recording_grid_host.h"
#include "support/recording_grid_painter.h"

class ViewHost : public RecordingGridHost {
 public:
  void GridNotify(int controlId, int code, std::intptr_t lParam) override {
    RecordingGridHost::GridNotify(controlId, code, lParam);
    if (onNotify) onNotify(code);
  }
  void Beep() override { ++beeps; }
  void TakeFocus() override { grid->FocusIn(); }
  void MoveFocus(bool forward) override { focusMoves.push_back(forward); }

  GridEngine* grid = nullptr;
  std::function<void(int code)> onNotify;
  int beeps = 0;
  std::vector<bool> focusMoves;
};

// A notification and the cursor cell it carries.
struct Note {
  int code, row, col;
  bool operator==(const Note&) const = default;
};
inline void PrintTo(const Note& n, std::ostream* os) { *os << n.code << "@" << n.row << "," << n.col; }

class GridViewFixture : public ::testing::Test {
 protected:
  static constexpr int kWidth = 300, kHeight = 211, kRow1 = 21, kRowHeight = 19;

  GridViewFixture() {
    host.grid = &grid;
    Send(GM_SETDIMENSIONS, 20, 6);
    Send(GM_SETEDITABLE, 1);
    grid.Resize(kWidth, kHeight);
  }

  std::intptr_t Send(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) {
    return grid.SendMessage(message, wParam, lParam);
  }
  void Set(int row, int col, const std::string& text) { SetGridCell(grid, row, col, text); }
  std::string Get(int row, int col) { return GetGridCellText(grid, row, col); }
  void Type(std::string_view text) {
    for (char c : text) grid.Char(static_cast<unsigned char>(c));
  }
  std::pair<int, int> Cursor() const { return {grid.State().cursorRow, grid.State().cursorCol}; }
  // The notifications sent since the last call.
  std::vector<Note> Notes() {
    std::vector<Note> notes;
    for (const auto& n : host.notifications) {
      notes.push_back({n.code, static_cast<int>(n.lParam & 0xFFFF), static_cast<int>((n.lParam >> 16) & 0xFFFF)});
    }
    host.notifications.clear();
    return notes;
  }
  std::vector<int> Codes() {
    std::vector<int> codes;
    for (const auto& n : Notes()) codes.push_back(n.code);
    return codes;
  }

  ViewHost host;
  GridEngine grid{4005, host};
};
