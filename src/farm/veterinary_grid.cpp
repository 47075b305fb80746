// The veterinary window's grid: the treatments, a row for a new one, and each
// budget's total.
#include <string>
#include <vector>

#include "farm/budget_column_name.h"
#include "farm/list_row_operation.h"
#include "farm/veterinary_list.h"
#include "text/money.h"

namespace {

constexpr int kFirstSlotColumn = 4;

class VeterinaryGrid final : public ListGrid {
 public:
  explicit VeterinaryGrid(FarmScope farm) : farm_(farm) {}

  void SetUp(GridEngine& grid, const GridFont& headingFont, int textHeight) const override {
    SetUpWorksheetGrid(grid, headingFont, 2 * textHeight + 15);
    const int n = farm_.CountBudgets();
    struct Column {
      int col;
      int width;
      std::string title;
    };
    std::vector<Column> columns = {{0, 0, "*"},
                                   {1, 175, "Veterinary\nTreatments"},
                                   {2, 75, "Unit of\nMeasurement"},
                                   {3, 75, "Cost per Treatment or Unit"}};
    int k = 0;
    for (const CCropBudget* budget = farm_.budgets.get(); budget;
         budget = budget->next.get(), ++k) {
      const std::string name = BudgetColumnName(*budget, k, "Budget ");
      // Budgets beyond the slots have no counts; their column says so.
      const char* suffix = k < MAX_ALLOCATIONS ? "" : " (not counted)";
      columns.push_back({kFirstSlotColumn + k, 85, "# Treatments or Units " + name + suffix});
      columns.push_back({kFirstSlotColumn + n + k, 75, "Total Cost " + name});
    }
    for (const Column& column : columns) {
      grid.SendMessage(GM_SETCOLWIDTH, static_cast<std::uintptr_t>(column.col), column.width);
      PutGridCell(grid, 0, column.col, column.title, true);
    }
    grid.SendMessage(GM_SETPROTECTDEFAULT, 0);
  }

  void Fill(GridEngine& grid, int) const override {
    const ListView view = View();
    const int n = view.budgetCount;
    int row = 1;
    for (const CVeterinaryCost* line = farm_.lists.pVeterinaryCosts.get(); line;
         line = line->next.get()) {
      line->FillGridRow(grid, row++, view);
    }
    // Open where a treatment's own cells are; budgets without slots take no count.
    PutGridCell(grid, row, 0, {}, false);
    PutGridCell(grid, row, 1, kNewItemText, false);
    for (int col = 2; col <= n + 3; ++col) {
      PutGridCell(grid, row, col, {}, col > 3 + SlotsInUse(n));
    }
    for (int k = 0; k < n; ++k) PutGridCell(grid, row, kFirstSlotColumn + n + k, {}, true);
    ++row;
    PutGridCell(grid, row, 0, "*", true);
    PutGridCell(grid, row, 1, "Totals", true);
    for (int col = 2; col <= n + 3; ++col) PutGridCell(grid, row, col, {}, true);
    const CVeterinaryCost* list = farm_.lists.pVeterinaryCosts.get();
    for (int k = 0; k < n; ++k) {
      const std::string total = k < MAX_ALLOCATIONS ? FormatMoney(VeterinaryTotal(list, k)) : "";
      PutGridCell(grid, row, kFirstSlotColumn + n + k, total, true);
    }
    grid.SendMessage(GM_SETPROTECTDEFAULT, 0);
    grid.SendMessage(GM_SETDIMENSIONS, static_cast<std::uintptr_t>(row),
                     static_cast<std::intptr_t>(2 * n + 3));
  }

  bool HasRowLink(int row, int) const override { return Link(row) != nullptr; }

  // Counts of treatments have no upper limit.
  ListCellEdit EditCell(int row, int col, int, std::string_view text) override {
    return EditListCell(Link(row), kVeterinaryList, View(), col, text, kFirstSlotColumn,
                        "NULL pParent pointer in editing Veterinary Cost grid");
  }

  int HandleRowOperation(int command, GridEngine& grid, int) override {
    ListRowCommand request;
    request.command = command;
    request.view = View();
    request.lastEditableColumn = 3 + SlotsInUse(request.view.budgetCount);
    return RunListRowCommand(
        request, kVeterinaryList, grid, [this](int row) { return Link(row); },
        "NULL pParent pointer in CCropBudget::HandleVeterinaryRowOperation");
  }

  std::string_view RecordFormat() const override { return kVeterinaryList.clipboardFormat; }
  void HandToBudgets() override { SetCalculatedVeterinaryValues(farm_); }

 private:
  ListView View() const { return {0, farm_.CountBudgets()}; }

  // Row i from 1 stands for line i - 1; the row after the last for the list's end.
  std::unique_ptr<CVeterinaryCost>* Link(int row) const {
    if (row < 1) return nullptr;
    return SlotAt(farm_.lists.pVeterinaryCosts, row - 1);
  }

  FarmScope farm_;
};

}  // namespace

std::unique_ptr<ListGrid> MakeVeterinaryGrid(FarmScope farm) {
  return std::make_unique<VeterinaryGrid>(farm);
}
