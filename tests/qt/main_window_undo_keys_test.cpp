// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z as real key events: the document's history
// in the main window and a whole-farm window, the typing alone in a cell or
// an edit box being typed into.

#include <QDialog>
#include <QLineEdit>

#include "app/app_state.h"
#include "app/undo_history.h"
#include "app/show_dialog.h"
#include "main_window_fixture.h"

namespace {

constexpr int kCalvesRow = 2;
constexpr int kPriceCol = 5;

std::string CellText(GridWidget* grid, int row, int col) {
  return GetGridCellText(grid->Engine(), row, col);
}

void Press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(widget, key, modifiers);
  QCoreApplication::processEvents();
}

TEST_F(MainWindowTest, CtrlZAndCtrlYStepThroughTheHistoryFromTheGrid) {
  Start(HERD_TEST_DATA_DIR "/cli/sample-ranch.vqn");
  ClickCell(kCalvesRow, kPriceCol);
  QTest::keyClicks(Grid(), "200");
  QTest::keyClick(Grid(), Qt::Key_Return);
  ASSERT_EQ(CellText(Grid(), kCalvesRow, kPriceCol), "$ 200.00");
  Press(Grid(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(CellText(Grid(), kCalvesRow, kPriceCol), "$ 185.00");
  EXPECT_FALSE(App_IsModified());
  Press(Grid(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(CellText(Grid(), kCalvesRow, kPriceCol), "$ 200.00");
  Press(Grid(), Qt::Key_Z, Qt::ControlModifier);
  Press(Grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(CellText(Grid(), kCalvesRow, kPriceCol), "$ 200.00");
  EXPECT_TRUE(App_IsModified());
}

TEST_F(MainWindowTest, CtrlZInACellBeingTypedIntoTakesBackOnlyTheTyping) {
  Start(HERD_TEST_DATA_DIR "/cli/sample-ranch.vqn");
  ClickCell(kCalvesRow, kPriceCol);
  QTest::keyClicks(Grid(), "200");
  QTest::keyClick(Grid(), Qt::Key_Return);
  ClickCell(kCalvesRow, kPriceCol - 1);
  QTest::keyClicks(Grid(), "99");
  ASSERT_TRUE(Grid()->Engine().State().editing);
  Press(Grid(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(Grid()->Engine().State().editing);
  EXPECT_EQ(CellText(Grid(), kCalvesRow, kPriceCol - 1), "44.00");
  EXPECT_EQ(CellText(Grid(), kCalvesRow, kPriceCol), "$ 200.00");
  EXPECT_TRUE(App_UndoStack().CanUndo());
}

TEST_F(MainWindowTest, CtrlZInAHeaderBoxIsTheBoxsOwnUndoAndTheDocumentFollows) {
  QtDialog& main = Start(HERD_TEST_DATA_DIR "/cli/sample-ranch.vqn");
  auto* title = static_cast<QLineEdit*>(main.ItemWidget(kIdcEditTitleOrPhone));
  const std::string before = App_Document().GetBudget(0)->title;
  title->setFocus();
  title->end(false);
  QTest::keyClicks(title, " herd");
  ASSERT_EQ(App_Document().GetBudget(0)->title, before + " herd");
  Press(title, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(title->text().toStdString(), before);
  EXPECT_EQ(App_Document().GetBudget(0)->title, before);
  // Typed and rubbed out again: no step is left, and nothing to save.
  EXPECT_FALSE(App_UndoStack().CanUndo());
  EXPECT_FALSE(App_IsModified());
}

TEST_F(MainWindowTest, CtrlZInAWholeFarmWindowUndoesItsEdit) {
  Start(HERD_TEST_DATA_DIR "/cli/sample-ranch.vqn");
  bool typed = false;
  bool undone = false;
  bool redone = false;
  ActOnNextModal<QDialog>([&](QDialog* dialog) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    GridWidget* grid = nullptr;
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
      if (auto* found = dynamic_cast<GridWidget*>(child)) grid = found;
    }
    ASSERT_NE(grid, nullptr);
    const GridRect cell = grid->Engine().CellRect(2, 1);
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier,
                      QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
    QTest::keyClicks(grid, "Fence");
    QTest::keyClick(grid, Qt::Key_Return);
    typed = App_Document().lists.pOperatingExpenses != nullptr;
    Press(grid, Qt::Key_Z, Qt::ControlModifier);
    undone = App_Document().lists.pOperatingExpenses == nullptr && CellText(grid, 2, 1) != "Fence";
    Press(grid, Qt::Key_Y, Qt::ControlModifier);
    redone = App_Document().lists.pOperatingExpenses != nullptr && CellText(grid, 2, 1) == "Fence";
    QTest::keyClick(grid, Qt::Key_Escape);
  });
  EXPECT_EQ(App_ShowDialog(kDialogExpenses, false), 0);
  EXPECT_TRUE(typed);
  EXPECT_TRUE(undone);
  EXPECT_TRUE(redone);
}

}  // namespace
