#pragma once
// The grid of a list shown on tabs: an input tab (0) with a row for a new
// record, a distribution tab (1) with a share per budget, and one values tab
// (2 + k) per budget with what budget k receives and its totals. The lists of
// machines, buildings and breeding stock are all shown this way; each says
// only what differs.

#include <climits>
#include <iterator>
#include <string>
#include <vector>

#include "farm/budget_column_name.h"
#include "farm/list_row_operation.h"
#include "text/money.h"

inline constexpr std::string_view kOutsideTheSlots =
    "Only the first 20 budgets share in this list; this budget receives nothing from it.";

template <WholeFarmRecord Record>
class TabbedListGrid : public ListGrid {
 public:
  TabbedListGrid(FarmScope farm, const WholeFarmList<Record>& list) : farm_(farm), list_(list) {}

  void SetUp(GridEngine& grid, const GridFont& headingFont, int textHeight) const override {
    SetUpWorksheetGrid(grid, headingFont, 2 * textHeight + 5);
    static constexpr int kWidths[] = {0, 200, 90, 90, 80, 80, 70, 80, 90, 75, 75};
    for (std::size_t col = 0; col < std::size(kWidths); ++col) {
      grid.SendMessage(GM_SETCOLWIDTH, col, kWidths[col]);
    }
  }

  void Fill(GridEngine& grid, int tab) const override {
    if (tab == 0) {
      FillInput(grid);
    } else if (tab == 1) {
      FillDistribution(grid);
    } else {
      FillValues(grid, tab);
    }
    grid.SendMessage(GM_SETPROTECTDEFAULT, 0);
  }

  bool HasRowLink(int row, int) const override { return Link(row) != nullptr; }

  ListCellEdit EditCell(int row, int col, int tab, std::string_view text) override {
    ListCellEdit edit;
    if (tab != 0 && tab != 1) {
      edit.refusal = "Cannot edit tab " + std::to_string(tab);
      return edit;
    }
    std::unique_ptr<Record>* link = Link(row);
    if (tab == 1 && (!link || !*link)) {
      edit.refusal = NoRecordMessage();
      return edit;
    }
    // Shares are typed on the distribution tab only.
    const int firstSlotColumn = tab == 1 ? 2 : INT_MAX;
    return EditListCell(link, list_, View(tab), col, text, firstSlotColumn, NoRecordMessage());
  }

  int HandleRowOperation(int command, GridEngine& grid, int tab) override {
    ListRowCommand request;
    request.command = command;
    request.view = View(tab);
    if (tab == 0) {
      request.lastEditableColumn = LastInputColumn();
    } else if (tab == 1) {
      request.firstEditableColumn = 2;
      request.lastEditableColumn = 1 + SlotsInUse(request.view.budgetCount);
    }
    return RunListRowCommand(
        request, list_, grid, [this](int row) { return Link(row); }, RowOperationMessage());
  }

  std::string_view RecordFormat() const override { return list_.clipboardFormat; }

 protected:
  // Column titles from column 1, and the columns of the input tab a user types.
  virtual std::vector<std::string> InputTitles() const = 0;
  virtual std::vector<std::string> ValuesTitles() const = 0;
  virtual bool InputColumnProtected(int col) const = 0;
  // The amounts of a values tab's row that its totals row sums, in column order.
  virtual std::vector<double> ValuesAmounts(const Record& record, int tab) const = 0;
  virtual std::string_view NoRecordsText() const = 0;       // the row of an empty list
  virtual std::string_view UnnamedBudget() const = 0;       // a budget without a name, numbered
  virtual std::string_view NoRecordMessage() const = 0;     // a share typed on no record
  virtual std::string_view RowOperationMessage() const = 0;  // a row command on no row

  ListView View(int tab) const { return {tab, farm_.CountBudgets(), list_.variant}; }
  const Record* First() const { return list_.Head(farm_.lists).get(); }
  int LastInputColumn() const { return static_cast<int>(InputTitles().size()); }

  // Row i from 1 stands for record i - 1; the row after the last for the list's end.
  std::unique_ptr<Record>* Link(int row) const {
    if (row < 1) return nullptr;
    return SlotAt(list_.Head(farm_.lists), row - 1);
  }

  FarmScope farm_;
  const WholeFarmList<Record>& list_;

 private:
  static void PutTitles(GridEngine& grid, const std::vector<std::string>& titles) {
    PutGridCell(grid, 0, 0, "*", true);
    for (std::size_t i = 0; i < titles.size(); ++i)
      PutGridCell(grid, 0, static_cast<int>(i) + 1, titles[i], true);
  }

  // One protected row that says something instead of records.
  static void PutNoteRow(GridEngine& grid, int row, std::string_view note, int lastCol) {
    PutGridCell(grid, row, 0, "*", true);
    PutGridCell(grid, row, 1, note, true);
    for (int col = 2; col <= lastCol; ++col) PutGridCell(grid, row, col, {}, true);
  }

  void SetDimensions(GridEngine& grid, int rows, int cols) const {
    grid.SendMessage(GM_SETDIMENSIONS, static_cast<std::uintptr_t>(rows),
                     static_cast<std::intptr_t>(cols));
  }

  void FillInput(GridEngine& grid) const {
    const std::vector<std::string> titles = InputTitles();
    const int cols = static_cast<int>(titles.size());
    PutTitles(grid, titles);
    int row = 1;
    for (const Record* record = First(); record; record = record->next.get())
      record->FillGridRow(grid, row++, View(0));
    PutGridCell(grid, row, 0, {}, false);
    PutGridCell(grid, row, 1, kNewItemText, false);
    for (int col = 2; col <= cols; ++col) PutGridCell(grid, row, col, {}, InputColumnProtected(col));
    SetDimensions(grid, row, cols);
  }

  void FillDistribution(GridEngine& grid) const {
    const int n = farm_.CountBudgets();
    std::vector<std::string> titles = {"Item"};
    int k = 0;
    for (const CCropBudget* budget = farm_.budgets.get(); budget; budget = budget->next.get(), ++k) {
      // Budgets beyond the slots take no share; their column says so.
      const char* suffix = k < MAX_ALLOCATIONS ? "\nDistribution" : "\n(not distributed)";
      titles.push_back(BudgetColumnName(*budget, k, UnnamedBudget()) + suffix);
    }
    titles.push_back("Total\nDistributions");
    PutTitles(grid, titles);
    int row = 1;
    for (const Record* record = First(); record; record = record->next.get())
      record->FillGridRow(grid, row++, View(1));
    if (row == 1) PutNoteRow(grid, row++, NoRecordsText(), n + 2);
    SetDimensions(grid, row - 1, n + 2);
  }

  void FillValues(GridEngine& grid, int tab) const {
    const std::vector<std::string> titles = ValuesTitles();
    const int cols = static_cast<int>(titles.size());
    PutTitles(grid, titles);
    int row = 1;
    if (tab - 2 >= MAX_ALLOCATIONS) {
      PutNoteRow(grid, row, kOutsideTheSlots, cols);
    } else if (!First()) {
      PutNoteRow(grid, row, NoRecordsText(), cols);
    } else {
      std::vector<double> sums(static_cast<std::size_t>(cols - 2), 0.0);
      for (const Record* record = First(); record; record = record->next.get()) {
        record->FillGridRow(grid, row++, View(tab));
        const std::vector<double> amounts = ValuesAmounts(*record, tab);
        for (std::size_t i = 0; i < amounts.size() && i < sums.size(); ++i)
          if (amounts[i] >= 0) sums[i] += amounts[i];
      }
      PutNoteRow(grid, row, "Totals", cols);
      for (std::size_t i = 0; i < sums.size(); ++i)
        PutGridCell(grid, row, 3 + static_cast<int>(i), FormatMoney(sums[i]), true);
    }
    SetDimensions(grid, row, cols);
  }
};
