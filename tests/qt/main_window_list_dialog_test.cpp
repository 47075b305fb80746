// The general expense window as a user meets it, over the real main window.

#include <QDialog>
#include <QDir>
#include <QImage>

#include <cstdio>

#include "app/show_dialog.h"
#include "main_window_fixture.h"

namespace {

void ClickCellOf(GridWidget* grid, int row, int col) {
  const GridRect cell = grid->Engine().CellRect(row, col);
  QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier,
                    QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
}

}  // namespace

TEST_F(MainWindowTest, ExpenseWindowWarnsAndReturnsTheCursorThenEscapeCloses) {
  Start(HERD_TEST_DATA_DIR "/cli/sample-ranch.vqn");
  std::vector<std::string> warnings;
  int cursorRow = 0, cursorCol = 0;
  bool enterKeptOpen = false;
  ActOnNextModal<QDialog>([&](QDialog* dialog) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    GridWidget* grid = nullptr;
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
      if (auto* found = dynamic_cast<GridWidget*>(child)) grid = found;
    }
    ASSERT_NE(grid, nullptr);
    ClickCellOf(grid, 2, 1);  // the operating list's new-item row
    QTest::keyClicks(grid, "Fence");
    QTest::keyClick(grid, Qt::Key_Return);
    ClickCellOf(grid, 2, 3);
    {
      MessageBoxAnswerer answerer;
      QTest::keyClicks(grid, "150");
      QTest::keyClick(grid, Qt::Key_Return);
      QTest::qWait(50);
      warnings = answerer.Texts();
    }
    cursorRow = grid->Engine().State().cursorRow;
    cursorCol = grid->Engine().State().cursorCol;
    // Enter in the grid belongs to the grid, never to a button of the window.
    QTest::keyClick(grid, Qt::Key_Return);
    enterKeptOpen = dialog->isVisible();

    const QImage shot = dialog->grab().toImage();
    const QString path = QDir(HERD_QT_OUTPUT_DIR).filePath("expense-window.png");
    ASSERT_TRUE(shot.save(path));
    std::printf("screenshot: %s\n", path.toLocal8Bit().constData());
    QTest::keyClick(grid, Qt::Key_Escape);
  });
  EXPECT_EQ(App_ShowDialog(kDialogExpenses, false), 0);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].substr(0, 30), "Total distributions over 100%.");
  EXPECT_EQ(cursorRow, 2);
  EXPECT_EQ(cursorCol, 3);
  EXPECT_TRUE(enterKeptOpen);
  const CExpenseLne* line = App_Document().lists.pOperatingExpenses.get();
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->label, "Fence");
  EXPECT_EQ(line->allocation[0], 150.0);
  EXPECT_TRUE(App_IsModified());
}

TEST_F(MainWindowTest, ListWindowsShowTheirButtonWholeAtTheSmallestSize) {
  Start(HERD_TEST_DATA_DIR "/cli/sample-ranch.vqn");
  for (const int request : {kDialogExpenses, kDialogVeterinary}) {
    QRect client, button;
    int textWidth = 0;
    ActOnNextModal<QDialog>([&](QDialog* dialog) {
      ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
      dialog->resize(1, 1);  // as small as it allows
      QTest::qWait(20);
      QPushButton* copy = nullptr;
      for (QPushButton* found : dialog->findChildren<QPushButton*>())
        if (found->text() == "Copy Values to Worksheets") copy = found;
      ASSERT_NE(copy, nullptr);
      client = copy->parentWidget()->rect();
      button = copy->geometry();
      textWidth = copy->fontMetrics().horizontalAdvance(copy->text());
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    App_ShowDialog(request, false);
    EXPECT_TRUE(client.contains(button)) << request;
    EXPECT_GT(button.width(), textWidth) << request;
  }
}
