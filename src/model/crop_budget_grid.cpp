// The budget's grid: fixed rows around the three sections, and rows back to lines.
#include <array>
#include <string>

#include "grid/grid_engine.h"
#include "model/crop_budget.h"
#include "model/grid_cells.h"
#include "model/line_chain.h"
#include "text/money.h"

namespace {

constexpr int kColumns = 8;

// Where each section's lines start and how many there are. The rows from
// first to first + count map to places: the last one is the new-item row.
struct SectionRows {
  std::array<int, 3> first{};
  std::array<int, 3> count{};
};

SectionRows LayOut(const CCropBudget& budget) {
  SectionRows rows;
  for (int s = 0; s < 3; ++s) rows.count[static_cast<std::size_t>(s)] = budget.CountLines(s);
  const int r = rows.count[0];
  const int o = rows.count[1];
  rows.first = {2, 5 + r, 9 + r + o};
  return rows;
}

struct RowPlace {
  int section = -1;
  int index = 0;
};

RowPlace PlaceOfRow(const SectionRows& rows, int row) {
  for (std::size_t s = 0; s < 3; ++s) {
    const int index = row - rows.first[s];
    if (index >= 0 && index <= rows.count[s]) return {static_cast<int>(s), index};
  }
  return {};
}

void PutFixedRow(GridEngine& grid, int row, std::string_view marker, std::string_view label) {
  PutGridCell(grid, row, 0, marker, true);
  PutGridCell(grid, row, 1, label, true);
  for (int col = 2; col < kColumns; ++col) PutGridCell(grid, row, col, {}, true);
}

// Sums show even when zero or a loss, so they never go through the blank rule.
void PutTotalsRow(GridEngine& grid, int row, std::string_view marker, std::string_view label,
                  double total, double perUnit) {
  PutGridCell(grid, row, 0, marker, true);
  PutGridCell(grid, row, 1, label, true);
  for (int col = 2; col < 6; ++col) PutGridCell(grid, row, col, {}, true);
  PutGridCell(grid, row, 6, FormatMoney(total), true);
  PutGridCell(grid, row, 7, FormatMoney(perUnit), true);
}

void PutNewItemRow(GridEngine& grid, int row, int section) {
  PutGridCell(grid, row, 0, {}, false);
  PutGridCell(grid, row, 1, kNewItemText, false);
  if (section == kSectionReturns) {
    PutGridCell(grid, row, 2, {}, false);
  } else {
    PutGridCell(grid, row, 2, kNotApplicableCell, true);
  }
  for (int col = 3; col < kColumns; ++col) PutGridCell(grid, row, col, {}, false);
}

void PutTitleRow(GridEngine& grid, const CCropBudget& budget) {
  const std::string perUnitTitle =
      "Value/Cost\nper " + (budget.herdUnitName.empty() ? std::string("Herd Unit")
                                                        : budget.herdUnitName);
  const std::array<std::string_view, kColumns> titles = {
      "*",
      "Item",
      "Production\nor Weight\nper Animal",
      "Unit of\nMeasurement",
      "Total Number\nof Head/Units",
      "Price/Cost\nper Unit",
      "Total\nValue",
      perUnitTitle};
  for (int col = 0; col < kColumns; ++col) {
    PutGridCell(grid, 0, col, titles[static_cast<std::size_t>(col)], true);
  }
}

// Writes the section's lines and its new-item row; returns the row after them.
int PutSection(GridEngine& grid, const CCropBudget& budget, int section, int row) {
  for (const CBudgetLine* line = budget.sections[static_cast<std::size_t>(section)].get(); line;
       line = line->next.get()) {
    line->FillGridRow(grid, row++, budget, section);
  }
  PutNewItemRow(grid, row, section);
  return row + 1;
}

}  // namespace

void CCropBudget::FillGrid(GridEngine& grid) {
  UpdateOperatingInterest(false);
  const SectionTotals totals = GetSectionTotals(false);
  const SectionTotals perUnit = GetSectionTotals(true);

  PutTitleRow(grid, *this);
  PutFixedRow(grid, 1, "*", "VALUE OF PRODUCTION");
  int row = PutSection(grid, *this, kSectionReturns, 2);
  PutTotalsRow(grid, row++, {}, "Gross Returns", totals.returns, perUnit.returns);

  PutFixedRow(grid, row++, "*", "OPERATING COSTS");
  row = PutSection(grid, *this, kSectionOperating, row);
  PutTotalsRow(grid, row++, {}, "Total Operating Costs", totals.operating, perUnit.operating);
  PutTotalsRow(grid, row++, {}, "Net Returns Above Operating Costs",
               totals.returns - totals.operating, perUnit.returns - perUnit.operating);

  PutFixedRow(grid, row++, "*", "OWNERSHIP COSTS");
  row = PutSection(grid, *this, kSectionOwnership, row);
  PutTotalsRow(grid, row++, {}, "Total Ownership Costs", totals.ownership, perUnit.ownership);
  PutTotalsRow(grid, row++, {}, "Total Costs", totals.operating + totals.ownership,
               perUnit.operating + perUnit.ownership);

  const double net = totals.returns - totals.operating - totals.ownership;
  const double netPerUnit = perUnit.returns - perUnit.operating - perUnit.ownership;
  PutTotalsRow(grid, row, "*", "NET RETURNS", net, netPerUnit);

  grid.SendMessage(GM_SETPROTECTDEFAULT, 0);
  grid.SendMessage(GM_SETDIMENSIONS, static_cast<std::uintptr_t>(row), 7);
}

LineSlot* CCropBudget::GetLineSlot(int row) {
  const RowPlace place = PlaceOfRow(LayOut(*this), row);
  if (place.section < 0) return nullptr;
  return SlotAt(sections[static_cast<std::size_t>(place.section)], place.index);
}

int CCropBudget::GetSectionOfRow(int row) const {
  const RowPlace place = PlaceOfRow(LayOut(*this), row);
  return place.section < 0 ? kSectionReturns : place.section;
}
