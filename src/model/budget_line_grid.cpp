// The line's grid row and text row.
#include <array>
#include <string>

#include "model/budget_line.h"
#include "model/crop_budget.h"
#include "model/grid_cells.h"
#include "text/money.h"

namespace {

constexpr int kRowCells = 8;

struct RowCells {
  std::array<std::string, kRowCells> text;
  std::array<bool, kRowCells> locked{};
};

std::string PriceText(const CBudgetLine& line) {
  // Units of "$" mean the price is already a sum of money.
  return line.units == "$" ? FormatPlainOrBlank(line.value) : FormatMoneyOrBlank(line.value);
}

bool IsQuantityLike(const CBudgetLine& line) {
  return line.kind == kKindQuantity || line.kind == kKindLabelOnly;
}

// Cells 2 to 7 as the kind shows them.
RowCells CellsOfKind(const CBudgetLine& line, std::int32_t n) {
  RowCells cells;
  switch (line.kind) {
    case kKindHeading:
      cells.text[6] = FormatMoneyOrBlank(line.GetHeadingTotal(n));
      cells.text[7] = FormatMoneyOrBlank(line.GetHeadingPerUnit(n));
      cells.locked = {false, false, true, true, true, true, true, true};
      break;
    case kKindTotal:
    case kKindPerAnimal:
      cells.text[6] = FormatMoneyOrBlank(line.GetTotal(n));
      cells.text[7] = FormatMoneyOrBlank(line.GetPerUnit(n));
      cells.locked = {false, false, true, true, true, true, line.kind != kKindTotal,
                      line.kind != kKindPerAnimal};
      break;
    case kKindQuantity:
      cells.text[2] = FormatPlainOrBlank(line.weight);
      cells.text[3] = line.units;
      cells.text[4] = FormatPlainOrBlank(line.quantity);
      cells.text[5] = PriceText(line);
      cells.text[6] = FormatMoneyOrBlank(line.GetTotal(n));
      cells.text[7] = FormatMoneyOrBlank(line.GetPerUnit(n));
      cells.locked = {false, false, false, false, false, false, true, true};
      break;
    default:
      // A label-only line may still become either kind, so every cell is open.
      break;
  }
  return cells;
}

}  // namespace

std::string CBudgetLine::LabelCellText(const CCropBudget& budget) const {
  if (source != kSourceInterest) return label;
  std::string text = label;
  return text.append(" (").append(FormatPlain(budget.interestRate)).append(" %)");
}

void CBudgetLine::FillGridRow(GridEngine& grid, int row, const CCropBudget& budget,
                              int section) const {
  RowCells cells = CellsOfKind(*this, budget.numUnits);
  if (kind == kKindHeading) {
    cells.text[0] = "*";
  } else if (IsCalculated()) {
    cells.text[0] = "^";
  }
  cells.text[1] = LabelCellText(budget);
  cells.locked[0] = false;

  if (section != kSectionReturns && IsQuantityLike(*this)) {
    // The weight does not apply to costs.
    cells.locked[2] = true;
    if (IsBlank(weight)) cells.text[2] = kNotApplicableCell;
  }
  if (IsCalculated()) cells.locked.fill(true);

  for (int col = 0; col < kRowCells; ++col) {
    const auto i = static_cast<std::size_t>(col);
    PutGridCell(grid, row, col, cells.text[i], cells.locked[i]);
  }
}

std::array<std::string, 6> CBudgetLine::RowTextCells(const CCropBudget& budget) const {
  const std::int32_t n = budget.numUnits;
  if (kind == kKindHeading)
    return {"", "", "", "", FormatMoneyOrBlank(GetHeadingTotal(n)),
            FormatMoneyOrBlank(GetHeadingPerUnit(n))};
  const std::string total = FormatMoneyOrBlank(GetTotal(n));
  const std::string perUnit = FormatMoneyOrBlank(GetPerUnit(n));
  if (kind == kKindTotal || kind == kKindPerAnimal) return {"", "", "", "", total, perUnit};
  return {FormatPlainOrBlank(weight), units, FormatPlainOrBlank(quantity), PriceText(*this), total,
          perUnit};
}

void CBudgetLine::GetRowText(std::string& text, const CCropBudget& budget) const {
  text += LabelCellText(budget);
  for (const std::string& cell : RowTextCells(budget)) {
    text += '\t';
    text += cell;
  }
  // A heading's row ends in a tab of its own.
  if (kind == kKindHeading) text += '\t';
}
