// The general expense window's grid: both lists in one grid, each under its
// section row and followed by a row for a new item.
#include <string>

#include "farm/budget_column_name.h"
#include "farm/expense_lists.h"
#include "farm/list_row_operation.h"

namespace {

constexpr int kFirstLineRow = 2;
constexpr int kFirstSlotColumn = 3;

void PutSectionRow(GridEngine& grid, int row, std::string_view label, int lastCol) {
  PutGridCell(grid, row, 0, "*", true);
  PutGridCell(grid, row, 1, label, true);
  for (int col = 2; col <= lastCol; ++col) PutGridCell(grid, row, col, {}, true);
}

// Open where an item's cells are: the total distribution and the budgets
// without slots take nothing typed.
void PutNewItemRow(GridEngine& grid, int row, int budgetCount) {
  PutGridCell(grid, row, 0, {}, false);
  PutGridCell(grid, row, 1, kNewItemText, false);
  for (int col = 2; col <= budgetCount + 3; ++col) {
    PutGridCell(grid, row, col, {}, col > 2 + SlotsInUse(budgetCount));
  }
}

// Writes a list's lines and its new-item row; returns the row after them.
int PutList(GridEngine& grid, const CExpenseLne* line, int row, const ListView& view) {
  for (; line; line = line->next.get()) line->FillGridRow(grid, row++, view);
  PutNewItemRow(grid, row, view.budgetCount);
  return row + 1;
}

class ExpenseGrid final : public ListGrid {
 public:
  explicit ExpenseGrid(FarmScope farm) : farm_(farm) {}

  void SetUp(GridEngine& grid, const GridFont& headingFont, int textHeight) const override {
    SetUpWorksheetGrid(grid, headingFont, 2 * textHeight + 5);
    grid.SendMessage(GM_SETCOLWIDTH, 0, 0);
    grid.SendMessage(GM_SETCOLWIDTH, 1, 175);
    grid.SendMessage(GM_SETCOLWIDTH, 2, 75);
    // "*" also keeps the hidden column from being dragged open.
    PutGridCell(grid, 0, 0, "*", true);
    PutGridCell(grid, 0, 1, "Item", true);
    PutGridCell(grid, 0, 2, "Total Cost", true);
    grid.SendMessage(GM_SETCOLAUTOWIDTH, 1);
    int col = kFirstSlotColumn;
    for (const CCropBudget* budget = farm_.budgets.get(); budget;
         budget = budget->next.get(), ++col) {
      // Budgets beyond the slots take no share; their column says so.
      const char* suffix = col - 3 < MAX_ALLOCATIONS ? "\nDistribution" : "\n(not distributed)";
      PutGridCell(grid, 0, col, BudgetColumnName(*budget, col - 3, "Budget ") + suffix, true);
    }
    PutGridCell(grid, 0, col, "Total\nDistributions", true);
    grid.SendMessage(GM_SETCOLAUTOWIDTH, 0);
    grid.SendMessage(GM_SETPROTECTDEFAULT, 0);
  }

  void Fill(GridEngine& grid, int) const override {
    const ListView view = View();
    const int n = view.budgetCount;
    int row = 1;
    PutSectionRow(grid, row++, "OPERATING COSTS", n + 3);
    row = PutList(grid, farm_.lists.pOperatingExpenses.get(), row, view);
    PutSectionRow(grid, row++, "OWNERSHIP COSTS", n + 3);
    row = PutList(grid, farm_.lists.pOwnershipExpenses.get(), row, view);
    grid.SendMessage(GM_SETPROTECTDEFAULT, 0);
    grid.SendMessage(GM_SETDIMENSIONS, static_cast<std::uintptr_t>(row - 1),
                     static_cast<std::intptr_t>(n + 3));
  }

  bool HasRowLink(int row, int) const override { return Place(row).link != nullptr; }

  ListCellEdit EditCell(int row, int col, int, std::string_view text) override {
    const RowPlace place = Place(row);
    return EditListCell(place.link, *place.list, View(), col, text, kFirstSlotColumn,
                        "NULL pParent pointer in editing Farm Expense grid");
  }

  int HandleRowOperation(int command, GridEngine& grid, int) override {
    ListRowCommand request;
    request.command = command;
    request.view = View();
    request.lastEditableColumn = 2 + SlotsInUse(request.view.budgetCount);
    const RowPlace place = Place(static_cast<int>(grid.SendMessage(GM_GETCURSORROW)));
    return RunListRowCommand(
        request, *place.list, grid, [&place](int) { return place.link; },
        "NULL pParent pointer in CCropBudget::HandleExpenseRowOperation");
  }

  std::string_view RecordFormat() const override { return kFormatExpense; }
  void HandToBudgets() override { SetCalculatedExpenseValues(farm_); }

 private:
  struct RowPlace {
    std::unique_ptr<CExpenseLne>* link = nullptr;
    const WholeFarmList<CExpenseLne>* list = &kOperatingExpenseList;
  };

  ListView View() const { return {0, farm_.CountBudgets()}; }

  // Operating lines start under their section row; the ownership section row
  // follows the operating new-item row.
  RowPlace Place(int row) const {
    const int operating = ChainLength(farm_.lists.pOperatingExpenses);
    if (row >= kFirstLineRow && row <= kFirstLineRow + operating) {
      return {SlotAt(farm_.lists.pOperatingExpenses, row - kFirstLineRow), &kOperatingExpenseList};
    }
    const int firstOwnership = kFirstLineRow + operating + 2;
    if (row >= firstOwnership && row <= firstOwnership + ChainLength(farm_.lists.pOwnershipExpenses)) {
      return {SlotAt(farm_.lists.pOwnershipExpenses, row - firstOwnership), &kOwnershipExpenseList};
    }
    return {};
  }

  FarmScope farm_;
};

}  // namespace

std::unique_ptr<ListGrid> MakeExpenseGrid(FarmScope farm) {
  return std::make_unique<ExpenseGrid>(farm);
}
