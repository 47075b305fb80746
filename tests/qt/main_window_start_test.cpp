// The main window as a user meets it: its tabs, typing into the grid, closing.

#include <QDir>
#include <QImage>

#include <cstdio>

#include "main_window_fixture.h"

namespace {

int OperatingNewItemRow(CCropBudget& budget) {
  // Returns start at row 2 with their new-item row, then the totals and the
  // operating heading, then the operating lines and their new-item row.
  return 5 + budget.CountLines(kSectionReturns) + budget.CountLines(kSectionOperating);
}

const CBudgetLine* LineWithQuantity(const CCropBudget& budget, double quantity) {
  for (const CBudgetLine* line = budget.sections[kSectionOperating].get(); line != nullptr;
       line = line->next.get()) {
    if (line->quantity == quantity) return line;
  }
  return nullptr;
}

}  // namespace

TEST_F(MainWindowTest, NewWorksheetShowsSummaryAndUntitledTabs) {
  Start("");
  ASSERT_EQ(Tabs()->count(), 2);
  EXPECT_EQ(Tabs()->tabText(0).toStdString(), "Summary");
  EXPECT_EQ(Tabs()->tabText(1).toStdString(), "Untitled Tab");
  EXPECT_EQ(Tabs()->currentIndex(), 1);
  EXPECT_EQ(dialog_->GetFocusItem(), kIdcEditId);
  EXPECT_EQ(dialog_->GetCaption(), "Corvale Herdwright");
}

TEST_F(MainWindowTest, PlacedOnTheWorkAreaAndNeverSmallerThanItsMinimum) {
  Start("");
  QTest::qWait(0);  // the frame is placed again once its decorations are known
  const PixelRect area = platform_.WorkArea();
  const PixelRect frame = dialog_->GetItemRect(kWindowFrameItem);
  EXPECT_EQ(frame.Height(), area.Height() - (area.Height() < 600 ? 10 : 50));
  EXPECT_GE(frame.left, area.left);
  EXPECT_LE(frame.right, area.right);
  EXPECT_EQ(dialog_->Window()->minimumSize(), QSize(500, 440));
  // The layout follows the window: the tab strip ends two character widths in.
  const PixelRect tabs = dialog_->GetItemRect(kIdcTabStrip);
  EXPECT_EQ(tabs.right, dialog_->GetClientRect().Width() - 2 * dialog_->AverageCharWidth() + tabs.left);
}

TEST_F(MainWindowTest, TypingIntoTheGridReachesTheBudget) {
  Start("");
  CCropBudget* budget = App_Document().GetBudget(0);
  ASSERT_NE(budget, nullptr);
  const int row = OperatingNewItemRow(*budget);

  ClickCell(row, 4);
  ASSERT_TRUE(Grid()->hasFocus());
  EXPECT_EQ(Grid()->Engine().State().cursorRow, row);
  QTest::keyClick(Grid(), Qt::Key_5);
  EXPECT_TRUE(Grid()->Engine().State().editing);
  QTest::keyClick(Grid(), Qt::Key_Return);

  const CBudgetLine* line = LineWithQuantity(*App_Document().GetBudget(0), 5.0);
  ASSERT_NE(line, nullptr);
  EXPECT_TRUE(App_IsModified());
  // Enter went one row down, to the first shown column.
  EXPECT_EQ(Grid()->Engine().State().cursorRow, row + 1);
  EXPECT_EQ(Grid()->Engine().State().cursorCol, 1);
}

TEST_F(MainWindowTest, TabAndShiftTabMoveTheGridCursorNotTheFocus) {
  Start("");
  ClickCell(OperatingNewItemRow(*App_Document().GetBudget(0)), 3);
  ASSERT_TRUE(Grid()->hasFocus());
  QTest::keyClick(Grid(), Qt::Key_Tab);
  EXPECT_EQ(Grid()->Engine().State().cursorCol, 4);
  QTest::keyClick(Grid(), Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(Grid(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Grid()->Engine().State().cursorCol, 2);
  EXPECT_TRUE(Grid()->hasFocus());
}

TEST_F(MainWindowTest, EscapeWhileTypingKeepsTheOldTextButStillApplies) {
  Start("");
  const int row = OperatingNewItemRow(*App_Document().GetBudget(0));
  ClickCell(row, 4);
  QTest::keyClicks(Grid(), "42");
  QTest::keyClick(Grid(), Qt::Key_Escape);
  EXPECT_FALSE(Grid()->Engine().State().editing);
  EXPECT_EQ(LineWithQuantity(*App_Document().GetBudget(0), 42.0), nullptr);
  EXPECT_TRUE(App_IsModified());
}

TEST_F(MainWindowTest, SwitchingTabsWhileTypingAppliesTheValueToTheBudgetLeft) {
  Start("");
  const int row = OperatingNewItemRow(*App_Document().GetBudget(0));
  ClickCell(row, 4);
  QTest::keyClicks(Grid(), "9");
  QTest::mouseClick(Tabs(), Qt::LeftButton, Qt::NoModifier, Tabs()->tabRect(0).center());
  EXPECT_EQ(Tabs()->currentIndex(), 0);
  EXPECT_NE(LineWithQuantity(*App_Document().GetBudget(0), 9.0), nullptr);
  EXPECT_FALSE(dialog_->IsItemVisible(kIdcEditUnits));
}

TEST_F(MainWindowTest, ClosingAModifiedWorksheetAsksFirst) {
  Start("");
  ClickCell(OperatingNewItemRow(*App_Document().GetBudget(0)), 4);
  QTest::keyClicks(Grid(), "3");
  QTest::keyClick(Grid(), Qt::Key_Return);
  ASSERT_TRUE(App_IsModified());

  MessageBoxAnswerer answerer(QMessageBox::No);
  dialog_->Window()->close();
  ASSERT_EQ(answerer.Texts().size(), 1u);
  EXPECT_EQ(answerer.Texts()[0], "Are you sure you want to close this program without saving changes?");
  EXPECT_NE(App_GetMainWindow(), nullptr);
  EXPECT_TRUE(quitCodes_.empty());

  answerer.SetAnswer(QMessageBox::Yes);
  dialog_->Window()->close();
  EXPECT_EQ(App_GetMainWindow(), nullptr);
  EXPECT_EQ(quitCodes_, std::vector<int>{0});
  QTest::qWait(0);  // the window goes once the event that ended it is done
}

TEST_F(MainWindowTest, ScreenshotOfTheSampleRanch) {
  Start(HERD_TEST_DATA_DIR "/cli/sample-ranch.vqn");
  dialog_->Window()->resize(1000, 640);
  QTest::qWait(50);
  ASSERT_GE(Tabs()->count(), 2);
  EXPECT_EQ(dialog_->GetCaption(), "sample-ranch.vqn - Corvale Herdwright");

  const QImage shot = dialog_->Window()->grab().toImage();
  const QString path = QDir(HERD_QT_OUTPUT_DIR).filePath("main-window-sample-ranch.png");
  ASSERT_TRUE(shot.save(path));
  std::printf("screenshot: %s\n", path.toLocal8Bit().constData());

  // The grid is painted: its area holds more than one colour.
  const QRect grid = Grid()->geometry().translated(dialog_->Client()->mapTo(dialog_->Window(), QPoint()));
  const QImage gridArea = shot.copy(grid);
  const QRgb first = gridArea.pixel(0, 0);
  int different = 0;
  for (int y = 0; y < gridArea.height(); y += 7) {
    for (int x = 0; x < gridArea.width(); x += 7) different += gridArea.pixel(x, y) != first;
  }
  EXPECT_GT(different, 100);
}
