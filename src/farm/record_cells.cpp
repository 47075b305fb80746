#include "farm/record_cells.h"

#include "model/grid_cells.h"
#include "platform/app_message.h"
#include "text/money.h"
#include "text/number_parse.h"

std::string CountText(std::int32_t value) { return value >= 0 ? std::to_string(value) : ""; }

std::string PercentText(double value) {
  return value >= 0 ? FormatPlain(value) + " %" : std::string();
}

std::string ShareText(const AllocationSlots& shares, int k) {
  if (k < 0 || k >= MAX_ALLOCATIONS) return {};
  return PercentText(shares[static_cast<std::size_t>(k)]);
}

bool SetShareFromColumn(AllocationSlots& shares, int column, std::string_view text,
                        std::string* message, std::string_view recordClass) {
  if (column < 2 || column >= 2 + MAX_ALLOCATIONS) {
    const std::string format =
        "nCol over MAX_ALLOCATIONS in " + std::string(recordClass) + "::SetValue %d";
    App_MessageBoxF(format.c_str(), column);
    return false;
  }
  shares[static_cast<std::size_t>(column - 2)] = ParseReal(text, "% Distribution", message);
  return true;
}

void PutDistributionRow(GridEngine& grid, int row, std::string_view label,
                        const AllocationSlots& shares, int budgetCount) {
  const int n = budgetCount < 0 ? 0 : budgetCount;
  PutGridCell(grid, row, 0, "", false);
  PutGridCell(grid, row, 1, label, true);
  for (int k = 0; k < n; ++k) PutGridCell(grid, row, 2 + k, ShareText(shares, k), k >= MAX_ALLOCATIONS);
  PutGridCell(grid, row, n + 2, PercentText(TotalDistribution(shares, n)), true);
}

void AppendDistributionText(std::string& text, std::string_view label,
                            const AllocationSlots& shares, int budgetCount) {
  text += label;
  text += '\t';
  for (int k = 0; k < budgetCount; ++k) {
    text += ShareText(shares, k);
    text += '\t';
  }
  text += PercentText(TotalDistribution(shares, budgetCount));
  text += '\t';
}
