// The main window as a user meets it: its tabs, typing into the grid, closing.

#include <QDir>
#include <QAction>
#include <QImage>
#include <QMenuBar>
#include <QScrollBar>

#include <cstdio>

#include "main_window_fixture.h"
#include "qt/qt_menu_items.h"

TEST_F(MainWindowTest, NewWorksheetShowsSummaryAndUntitledTabsOnTheWorkArea) {
  Start("");
  ASSERT_EQ(Tabs()->count(), 2);
  EXPECT_EQ(Tabs()->tabText(0).toStdString(), "Summary");
  EXPECT_EQ(Tabs()->tabText(1).toStdString(), "Untitled Tab");
  EXPECT_EQ(Tabs()->currentIndex(), 1);
  EXPECT_EQ(dialog_->GetFocusItem(), kIdcEditIdOrName);
  QTest::qWait(0);  // the frame is placed again once its decorations are known
  const PixelRect area = platform_.WorkArea();
  const PixelRect frame = dialog_->GetItemRect(kWindowItem);
  EXPECT_EQ(frame.Height(), area.Height() - (area.Height() < 600 ? 10 : 50));
  EXPECT_GE(frame.left, area.left);
  EXPECT_LE(frame.right, area.right);
  EXPECT_EQ(dialog_->Window()->minimumSize(), QSize(500, 440));
}

TEST_F(MainWindowTest, TypingIntoTheGridReachesTheBudgetAndClosingAsksFirst) {
  Start("");
  CCropBudget& budget = *App_Document().GetBudget(0);
  const int row = 5;  // the operating costs' new-item row of an empty budget
  ClickCell(row, 3);
  ASSERT_TRUE(Grid()->hasFocus());
  // Tab and Shift+Tab move the grid cursor, not the focus.
  QTest::keyClick(Grid(), Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(Grid(), Qt::Key_Tab);
  QTest::keyClick(Grid(), Qt::Key_Tab);
  EXPECT_EQ(Grid()->Engine().State().cursorCol, 4);
  QTest::keyClick(Grid(), Qt::Key_5);
  EXPECT_TRUE(Grid()->Engine().State().editing);
  QTest::keyClick(Grid(), Qt::Key_Return);
  ASSERT_EQ(budget.CountLines(kSectionOperating), 1);
  EXPECT_EQ(budget.sections[kSectionOperating]->quantity, 5.0);
  EXPECT_TRUE(App_IsModified());
  // Enter went one row down, to the first shown column.
  EXPECT_EQ(Grid()->Engine().State().cursorRow, row + 1);
  EXPECT_EQ(Grid()->Engine().State().cursorCol, 1);
  EXPECT_TRUE(Grid()->hasFocus());

  MessageBoxAnswerer answerer(QMessageBox::No);
  dialog_->Window()->close();
  EXPECT_EQ(answerer.Texts(), std::vector<std::string>{
                                  "Are you sure you want to close this program without saving changes?"});
  EXPECT_NE(App_GetMainWindow(), nullptr);
  answerer.SetAnswer(QMessageBox::Yes);
  dialog_->Window()->close();
  EXPECT_EQ(App_GetMainWindow(), nullptr);
  EXPECT_EQ(quitCodes_, std::vector<int>{0});
  QTest::qWait(0);  // the window goes once the event that ended it is done
}

// The tab change takes the focus from the grid; nothing typed reaches the old
// cursor cell, and a click on a cell of the new tab moves the cursor there.
TEST_F(MainWindowTest, AfterATabClickAClickOnACellMovesTheCursorThere) {
  Start(HERD_TEST_DATA_DIR "/cli/sample-ranch.vqn");
  ClickCell(2, 5);
  ASSERT_TRUE(Grid()->Engine().State().hasFocus);
  QTest::mouseClick(Tabs(), Qt::LeftButton, Qt::NoModifier, Tabs()->tabRect(2).center());
  ASSERT_EQ(Tabs()->currentIndex(), 2);
  EXPECT_FALSE(Grid()->hasFocus());
  EXPECT_FALSE(Grid()->Engine().State().hasFocus);
  const std::string before = GetGridCellText(Grid()->Engine(), 2, 5);
  QTest::keyClicks(dialog_->Window(), "9");
  EXPECT_EQ(GetGridCellText(Grid()->Engine(), 2, 5), before);
  EXPECT_FALSE(Grid()->Engine().State().editing);

  ClickCell(3, 5);
  EXPECT_TRUE(Grid()->hasFocus());
  EXPECT_TRUE(Grid()->Engine().State().hasFocus);  // the cursor frame is drawn
  EXPECT_EQ(Grid()->Engine().State().cursorRow, 3);
  QTest::keyClicks(Grid(), "1.35");
  QTest::keyClick(Grid(), Qt::Key_Return);
  EXPECT_EQ(GetGridCellText(Grid()->Engine(), 3, 5), "$ 1.35");
  EXPECT_EQ(GetGridCellText(Grid()->Engine(), 2, 5), before);
}

TEST_F(MainWindowTest, ScreenshotOfTheSampleRanch) {
  Start(HERD_TEST_DATA_DIR "/cli/sample-ranch.vqn");
  dialog_->Window()->resize(1000, 640);
  QTest::qWait(50);
  EXPECT_EQ(dialog_->GetCaption(), "sample-ranch.vqn - Corvale Herdwright");

  const QImage shot = dialog_->Window()->grab().toImage();
  const QString path = QDir(HERD_QT_OUTPUT_DIR).filePath("main-window-sample-ranch.png");
  ASSERT_TRUE(shot.save(path));
  std::printf("screenshot: %s\n", path.toLocal8Bit().constData());

  // The grid is painted: its area holds more than one colour.
  const QRect grid = Grid()->geometry().translated(dialog_->Client()->mapTo(dialog_->Window(), QPoint()));
  const QImage gridArea = shot.copy(grid);
  int different = 0;
  for (int y = 0; y < gridArea.height(); y += 7) {
    for (int x = 0; x < gridArea.width(); x += 7) different += gridArea.pixel(x, y) != gridArea.pixel(0, 0);
  }
  EXPECT_GT(different, 100);
}

TEST_F(MainWindowTest, EveryBudgetColumnShowsAtStartUpOnA1280By900Screen) {
  platform_.workArea = {0, 0, 1280, 900};
  Start(HERD_TEST_DATA_DIR "/cli/sample-ranch.vqn");
  QTest::qWait(50);  // the frame is placed again once its decorations are known
  const GridEngine& grid = Grid()->Engine();
  EXPECT_FALSE(Grid()->HorizontalBar()->isVisible());
  EXPECT_EQ(grid.LastVisibleColumn(), 7);
  EXPECT_LE(grid.CellRect(1, 7).right, grid.State().clientWidth);
  const PixelRect frame = dialog_->GetItemRect(kWindowItem);
  EXPECT_GE(frame.left, 0);
  EXPECT_LE(frame.right, 1280);
}

// The File menu shows as many recent documents as there are, and hides the rest.
TEST_F(MainWindowTest, TheFileMenuShowsTheRecentDocumentsOnly) {
  platform_.StoreRecentFiles({"/farms/Smith & Sons.vqn"});
  Start("");
  const QList<QAction*> first = PathToCommand(dialog_->MenuBar()->actions(), kCmdRecentFile1);
  const QList<QAction*> second = PathToCommand(dialog_->MenuBar()->actions(), kCmdRecentFile1 + 1);
  ASSERT_EQ(first.size(), 2);
  ASSERT_EQ(second.size(), 2);
  EXPECT_TRUE(first.back()->isVisible());
  EXPECT_TRUE(first.back()->isEnabled());
  EXPECT_EQ(first.back()->text().toStdString(), "&1 /farms/Smith && Sons.vqn");
  EXPECT_FALSE(second.back()->isVisible());
  platform_.StoreRecentFiles({});
}
