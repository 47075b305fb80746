#pragma once
// The real main window on the Qt platform, started as the program starts it.

#include <gtest/gtest.h>

#include <QTabBar>
#include <QWidget>

#include <string>
#include <vector>

#include "platform/resource_ids.h"
#include "app/app_main.h"
#include "document/worksheet.h"
#include "grid/grid_engine.h"
#include "model/crop_budget.h"
#include "qt/grid_widget.h"
#include "qt/qt_dialog.h"
#include "qt/qt_platform.h"
#include "qt/tab_strip_widget.h"
#include "qt_test_support.h"

// The Qt platform on a screen of a size the test chooses.
class SizedScreenPlatform : public QtPlatform {
 public:
  PixelRect WorkArea() override { return workArea.Width() > 0 ? workArea : QtPlatform::WorkArea(); }
  PixelRect workArea{};
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App_SetPlatform(&platform_);
    platform_.SetQuitHandler([this](int code) { quitCodes_.push_back(code); });
  }

  void TearDown() override {
    if (Dialog* main = App_GetMainWindow()) delete QtDialog::Of(main)->Window();
    App_SetPlatform(nullptr);
  }

  QtDialog& Start(const std::string& commandLine) {
    Dialog* main = App_StartUp(commandLine);
    EXPECT_NE(main, nullptr);
    dialog_ = QtDialog::Of(main);
    EXPECT_TRUE(ShowActive(dialog_->Window()));
    return *dialog_;
  }

  GridWidget* Grid() const { return static_cast<GridWidget*>(dialog_->ItemWidget(kIdcGrid)); }
  QTabBar* Tabs() const {
    return static_cast<TabStripWidget*>(dialog_->ItemWidget(kIdcTabStrip))->Bar();
  }

  // A real click in the middle of a grid cell.
  void ClickCell(int row, int col) {
    const GridRect cell = Grid()->Engine().CellRect(row, col);
    QTest::mouseClick(Grid(), Qt::LeftButton, Qt::NoModifier,
                      QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
  }

  SizedScreenPlatform platform_;
  QtDialog* dialog_ = nullptr;
  std::vector<int> quitCodes_;
};
