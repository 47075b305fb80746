#pragma once
// A grid on a recording host, and shorthands for sending it messages.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "grid/grid_engine.h"
#include "support/recording_grid_host.h"

class GridFixture : public ::testing::Test {
 protected:
  static constexpr int kId = 4005;
  using Values = std::vector<std::intptr_t>;

  std::intptr_t Send(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) {
    return grid.SendMessage(message, wParam, lParam);
  }
  std::intptr_t SendCell(unsigned message, int row, int col, std::intptr_t lParam = 0) {
    GridCell cell{row, col};
    return grid.SendMessage(message, reinterpret_cast<std::uintptr_t>(&cell), lParam);
  }
  std::intptr_t Set(int row, int col, const std::string& text) { return SetGridCell(grid, row, col, text); }
  std::string Get(int row, int col) { return GetGridCellText(grid, row, col); }
  // The answers to messages that take no parameters, in order.
  Values Ask(std::initializer_list<unsigned> messages) {
    Values answers;
    for (unsigned message : messages) answers.push_back(Send(message));
    return answers;
  }

  RecordingGridHost host;
  GridEngine grid{kId, host};
};
