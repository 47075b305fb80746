// The budget's grid: fixed rows around the three sections, and rows back to lines.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

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

// The fixed rows before each section's lines: the titles and the returns'
// heading; the returns' new-item and total rows and the operating heading; the
// operating new-item, total and net rows and the ownership heading.
constexpr std::array<int, 3> kRowsBeforeSection = {2, 3, 4};

SectionRows LayOut(const CCropBudget& budget) {
  SectionRows rows;
  int first = 0;
  for (std::size_t s = 0; s < 3; ++s) {
    rows.count[s] = budget.CountLines(static_cast<int>(s));
    first += kRowsBeforeSection[s];
    rows.first[s] = first;
    first += rows.count[s];
  }
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

// The rows a fill writes: every one, or a few picked rows.
class RowChoice {
 public:
  static RowChoice Every() { return RowChoice(true); }
  static RowChoice Picked() { return RowChoice(false); }
  void Add(int row) { rows_.insert(std::lower_bound(rows_.begin(), rows_.end(), row), row); }
  bool Has(int row) const { return every_ || std::binary_search(rows_.begin(), rows_.end(), row); }

 private:
  explicit RowChoice(bool every) : every_(every) {}
  bool every_;
  std::vector<int> rows_;
};

// Writes the section's chosen lines and its new-item row; returns the row after them.
int PutSection(GridEngine& grid, const CCropBudget& budget, int section, int row,
               const RowChoice& choice) {
  for (const CBudgetLine* line = budget.sections[static_cast<std::size_t>(section)].get(); line;
       line = line->next.get(), ++row) {
    if (choice.Has(row)) line->FillGridRow(grid, row, budget, section);
  }
  if (choice.Has(row)) PutNewItemRow(grid, row, section);
  return row + 1;
}

// Rows 3+R, 6+R+O, 7+R+O, 10+R+O+W, 11+R+O+W and 12+R+O+W: the sums.
std::array<int, 6> TotalsRows(const SectionRows& rows) {
  const int returns = rows.first[0] + rows.count[0] + 1;
  const int operating = rows.first[1] + rows.count[1] + 1;
  const int ownership = rows.first[2] + rows.count[2] + 1;
  return {returns, operating, operating + 1, ownership, ownership + 1, ownership + 2};
}

// What one cell's edit can change besides its own row, while the rows stay
// where they are: the heading above the row (it sums the lines under it, and
// a heading that became an item hands its lines to it), the operating
// interest rows with their headings (the interest follows the operating
// costs), and the sums.
RowChoice RowsAnEditChanges(const CCropBudget& budget, const SectionRows& rows, int editedRow) {
  RowChoice choice = RowChoice::Picked();
  choice.Add(editedRow);
  for (int s = 0; s < 3; ++s) {
    int row = rows.first[static_cast<std::size_t>(s)];
    int headingRow = 0;
    for (const CBudgetLine* line = budget.sections[static_cast<std::size_t>(s)].get(); line;
         line = line->next.get(), ++row) {
      const bool interest = line->source == kSourceInterest;
      if ((row == editedRow || interest) && headingRow != 0) choice.Add(headingRow);
      if (interest) choice.Add(row);
      if (line->kind == kKindHeading) headingRow = row;
    }
  }
  for (int row : TotalsRows(rows)) choice.Add(row);
  return choice;
}

void FillChosenRows(GridEngine& grid, const CCropBudget& budget, const SectionRows& rows,
                    const RowChoice& choice) {
  const SectionTotals totals = budget.GetSectionTotals(false);
  const SectionTotals perUnit = budget.GetSectionTotals(true);
  const std::array<int, 6> sums = TotalsRows(rows);
  // Sized first, so that the grid does not grow (and lay itself out) once for
  // every row stored below its last one.
  grid.SendMessage(GM_SETDIMENSIONS, static_cast<std::uintptr_t>(sums[5]), 7);
  const auto putTotals = [&](std::size_t which, std::string_view marker, std::string_view label,
                             double total, double unit) {
    if (choice.Has(sums[which])) PutTotalsRow(grid, sums[which], marker, label, total, unit);
  };
  const auto putHeading = [&](int row, std::string_view label) {
    if (choice.Has(row)) PutFixedRow(grid, row, "*", label);
  };

  if (choice.Has(0)) PutTitleRow(grid, budget);
  putHeading(1, "VALUE OF PRODUCTION");
  PutSection(grid, budget, kSectionReturns, rows.first[0], choice);
  putTotals(0, {}, "Gross Returns", totals.returns, perUnit.returns);

  putHeading(rows.first[1] - 1, "OPERATING COSTS");
  PutSection(grid, budget, kSectionOperating, rows.first[1], choice);
  putTotals(1, {}, "Total Operating Costs", totals.operating, perUnit.operating);
  putTotals(2, {}, "Net Returns Above Operating Costs", totals.returns - totals.operating,
            perUnit.returns - perUnit.operating);

  putHeading(rows.first[2] - 1, "OWNERSHIP COSTS");
  PutSection(grid, budget, kSectionOwnership, rows.first[2], choice);
  putTotals(3, {}, "Total Ownership Costs", totals.ownership, perUnit.ownership);
  putTotals(4, {}, "Total Costs", totals.operating + totals.ownership,
            perUnit.operating + perUnit.ownership);
  putTotals(5, "*", "NET RETURNS", totals.returns - totals.operating - totals.ownership,
            perUnit.returns - perUnit.operating - perUnit.ownership);

  grid.SendMessage(GM_SETPROTECTDEFAULT, 0);
  grid.SendMessage(GM_SETDIMENSIONS, static_cast<std::uintptr_t>(sums[5]), 7);
}

}  // namespace

void CCropBudget::FillGrid(GridEngine& grid) {
  UpdateOperatingInterest(false);
  FillChosenRows(grid, *this, LayOut(*this), RowChoice::Every());
}

void CCropBudget::FillGridAfterEdit(GridEngine& grid, int row) {
  UpdateOperatingInterest(false);
  const SectionRows rows = LayOut(*this);
  // A line made on a new-item row moves every row below it.
  if (grid.SendMessage(GM_GETROWS) != TotalsRows(rows)[5]) {
    FillChosenRows(grid, *this, rows, RowChoice::Every());
    return;
  }
  FillChosenRows(grid, *this, rows, RowsAnEditChanges(*this, rows, row));
}

LineSlot* CCropBudget::GetLineSlot(int row) {
  const RowPlace place = PlaceOfRow(LayOut(*this), row);
  if (place.section < 0) return nullptr;
  return SlotAt(sections[static_cast<std::size_t>(place.section)], place.index);
}

// Walks no further than the row: a row's place depends only on the lengths
// of the sections above it.
bool CCropBudget::GetLinePlace(int row, int* section, int* index) const {
  int first = 0;
  for (std::size_t s = 0; s < 3; ++s) {
    first += kRowsBeforeSection[s];
    const int wanted = row - first;
    if (wanted < 0) return false;
    int count = 0;
    for (const CBudgetLine* line = sections[s].get(); line && count < wanted; line = line->next.get())
      ++count;
    if (count == wanted) {
      *section = static_cast<int>(s);
      *index = wanted;
      return true;
    }
    first += count;
  }
  return false;
}

int CCropBudget::GetSectionOfRow(int row) const {
  const RowPlace place = PlaceOfRow(LayOut(*this), row);
  return place.section < 0 ? kSectionReturns : place.section;
}
