// The summary tab on the desktop: its radio buttons clicked with the mouse, and
// its copy as other programs find it on the system clipboard.

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "main_window_fixture.h"

TEST_F(MainWindowTest, SummaryViewsFollowTheRadioButtonsAndTheCopyOffersRichTextFirst) {
  Start(HERD_TEST_DATA_DIR "/cli/sample-ranch.vqn");
  QTest::mouseClick(Tabs(), Qt::LeftButton, Qt::NoModifier, Tabs()->tabRect(0).center());
  ASSERT_EQ(Tabs()->currentIndex(), 0);
  GridEngine& grid = Grid()->Engine();
  EXPECT_EQ(GetGridCellText(grid, 3, 1), "TOTAL");
  EXPECT_EQ(GetGridCellText(grid, 3, 3), "$ 159670.00");

  QWidget* operating = dialog_->ItemWidget(kIdcRadioOperating);
  QTest::mouseClick(operating, Qt::LeftButton, Qt::NoModifier, QPoint(8, operating->height() / 2));
  EXPECT_EQ(grid.SendMessage(GM_GETROWS), 2);
  EXPECT_EQ(GetGridCellText(grid, 1, 1), "Animal Health");
  QWidget* wholeFarm = dialog_->ItemWidget(kIdcRadioWholeFarm);
  QTest::mouseClick(wholeFarm, Qt::LeftButton, Qt::NoModifier, QPoint(8, wholeFarm->height() / 2));
  EXPECT_EQ(GetGridCellText(grid, 3, 1), "TOTAL");

  dialog_->SendCommand(kCmdCopyTab, 0);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  ASSERT_GE(data->formats().size(), 2);
  EXPECT_EQ(data->formats().front().toStdString(), "text/rtf");
  EXPECT_TRUE(data->data("text/rtf").startsWith("{\\rtf1\\ansi\\ansicpg1252"));
  EXPECT_TRUE(data->text().startsWith("Name: Willow Creek Ranch\n"));
}
