// A grid edit rewrites only the rows it can change; what the grid then holds
// must be what a full fill of the budget gives, cell for cell.
#include <string>
#include <tuple>
#include <vector>

#include "grid/headless_grid_host.h"
#include "main_window_fixture.h"
#include "reports/cell_dump.h"

namespace {

struct CellEdit {
  int row;
  int col;
  std::string text;
  std::string what;
};

class EditRefreshTest : public MainWindowTest {
 protected:
  void SetUp() override {
    StartUp(std::string(HERD_TEST_DATA_DIR) + "/cli/sample-ranch.vqn");
    ClickTab(1);
  }

  // The cell as the grid stores a typed text, then the edit's end: the road
  // of Enter, also for cells the keyboard cannot reach (protected ones).
  void EditCell(int row, int col, const std::string& text) {
    SetGridCell(Grid(), row, col, text);
    DialogEvent event;
    event.kind = DialogEventKind::kCommand;
    event.id = kIdcGrid;
    event.code = GN_EDITEND;
    event.param = PackRowCol(row, col);
    window->Send(event);
    platform.RunPosted();
  }

  std::string FullFill() {
    HeadlessGridHost host;
    GridEngine fresh(kIdcGrid, host);
    Budget(0).FillGrid(fresh);
    return DumpGridCells(fresh);
  }
};

TEST_F(EditRefreshTest, EveryKindOfEditLeavesTheGridAsAFullFill) {
  const int operatingNewItem = 17;
  const std::vector<CellEdit> edits = {
      {9, 5, "25", "price of a line under a heading, with interest"},
      {10, 4, "160", "quantity"},
      {2, 5, "190", "returns price"},
      {2, 2, "", "returns weight emptied"},
      {13, 6, "2700", "total typed on a per-animal line"},
      {14, 7, "40", "per animal typed on a total line"},
      {10, 3, "$", "units of $ on a priced line"},
      {12, 5, "3", "a heading turned into an item: the heading above takes its lines"},
      {8, 1, "Feed and hay", "heading label"},
      {16, 6, "999", "the operating interest row"},
      {23, 6, "5000", "a calculated ownership row"},
      {22, 5, "lots", "a value that cannot be read"},
      {25, 1, "x", "a totals row"},
      {5, 1, "<Type new item here>", "an untouched new-item row"},
      {operatingNewItem, 1, "Salt", "label on a new-item row: a new line"},
      {operatingNewItem + 1, 5, "12", "price on the new-item row: another line"},
      {5, 4, "3", "quantity on the returns new-item row"},
      {3, 1, "Heifers", "label of the first returns line"},
      {24, 6, "75", "an ownership line"},
  };
  for (const CellEdit& edit : edits) {
    EditCell(edit.row, edit.col, edit.text);
    ASSERT_EQ(DumpGridCells(Grid()), FullFill()) << edit.what;
  }
  EXPECT_EQ(TakeMessages().size(), 2u) << "the unreadable value and the row without a line";

  // Typed as a user types, and a cell deleted, which ends an edit of the cursor
  // cell. The returns section has a line more: Pasture rent is on row 10.
  for (const auto& [row, col, text] : std::vector<std::tuple<int, int, std::string>>{
           {10, 4, "640"}, {12, 6, "2100"}, {3, 5, "171"}}) {
    ClickCell(row, col);
    Done(UserType(*window, text));
    Done(UserKey(*window, GridKey::Enter));
    ASSERT_EQ(DumpGridCells(Grid()), FullFill()) << "typed at " << row << "," << col;
  }
  ClickCell(10, 5);
  GridCell cell{10, 5};
  Grid().SendMessage(GM_DELETECELL, reinterpret_cast<std::uintptr_t>(&cell));
  platform.RunPosted();
  const CBudgetLine& pastureRent = *Budget(0).sections[kSectionOperating]->next;
  EXPECT_EQ(pastureRent.label + " " + std::to_string(pastureRent.value), "Pasture rent -1.000000");
  EXPECT_EQ(DumpGridCells(Grid()), FullFill()) << "deleted";
}

TEST_F(EditRefreshTest, AnInterestRateChangeShowsInTheRowAfterTheNextEdit) {
  // The rate is part of the row's label; the dialog's refresh fills every row,
  // and the edits after it keep label and amount in step.
  Budget(0).interestRate = 9;
  Budget(0).UpdateOperatingInterest(true);
  Command(kCmdShowTab);
  EditCell(10, 5, "120");
  EXPECT_EQ(Cell(16, 1), "Operating Interest (9.00 %)");
  EXPECT_EQ(DumpGridCells(Grid()), FullFill());
}

}  // namespace
