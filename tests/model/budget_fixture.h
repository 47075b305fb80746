#pragma once
// A budget, the grid it fills and a headless platform for its messages and clipboard.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "grid/grid_engine.h"
#include "model/crop_budget.h"
#include "headless/headless_platform.h"
#include "support/recording_grid_host.h"

class BudgetFixture : public ::testing::Test {
 protected:
  CBudgetLine& Add(int section, std::string_view label, LineKind kind, double value,
                   double quantity = -1, double weight = -1) {
    CBudgetLine& line = budget.AppendLine(section);
    line.label = label;
    std::tie(line.kind, line.value, line.quantity, line.weight) = std::tuple(kind, value, quantity, weight);
    return line;
  }
  std::string Cell(int row, int col) { return GetGridCellText(grid, row, col); }
  // A row's eight cells joined by "|", then its protection letters.
  std::string Row(int row) {
    std::string cells, locks = " ";
    for (int col = 0; col < 8; ++col) {
      cells += (col ? "|" : "") + Cell(row, col);
      const std::optional<StoredCell> cell = grid.Cells().Find(row, col);
      locks += cell ? cell->protection : '-';
    }
    return cells + locks;
  }
  void ExpectRows(const std::vector<std::pair<int, std::string>>& rows) {
    for (const auto& [row, expected] : rows) EXPECT_EQ(Row(row), expected) << "row " << row;
  }
  // A section's labels, each with the start of its value when asked: "Feed=300.0;".
  std::string Labels(int section, bool values = false) {
    std::string labels;
    for (const CBudgetLine* line = budget.sections[section].get(); line; line = line->next.get())
      labels += line->label + (values ? "=" + std::to_string(line->value).substr(0, 5) : "") + ";";
    return labels;
  }

  HeadlessPlatform platform;
  ScopedPlatform scoped{platform};
  RecordingGridHost host;
  GridEngine grid{4001, host};
  CCropBudget budget;
};
