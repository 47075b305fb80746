#pragma once
// The program started headless, with its main window at hand.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/resource_ids.h"
#include "app/app_main.h"
#include "document/worksheet.h"
#include "grid/grid_engine.h"
#include "headless/headless_platform.h"
#include "headless/headless_user.h"

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { StartUp(""); }
  void TearDown() override {
    platform.CloseWindows();
    EXPECT_EQ(platform.TakeFailure(), std::nullopt);
  }

  void StartUp(std::string_view commandLine) {
    platform.CloseWindows();
    window = static_cast<HeadlessDialog*>(App_StartUp(commandLine));
    ASSERT_NE(window, nullptr);
    platform.RunPosted();
  }

  // What the user does, with what it posted run afterwards.
  void Command(int id) { Done(UserCommand(*window, id)); }
  void Edit(int id, std::string_view text) { Done(UserEdit(*window, id, text)); }
  void ClickTab(int index) { Done(UserClickTab(*window, index)); }
  void ClickCell(int row, int col) { Done(UserClickCell(*window, row, col)); }
  // A right click on the tab strip choosing a command of its menu (0: none).
  void TabMenu(int command) {
    if (command != 0) platform.Answers().QueueMenu(command);
    DialogEvent event;
    event.kind = DialogEventKind::kContextMenu;
    event.id = kIdcTabStrip;
    window->Send(event);
    platform.RunPosted();
  }
  void Done(const std::string& why) {
    EXPECT_EQ(why, "");
    platform.RunPosted();
  }

  std::string Text(int id) const { return window->GetItemText(id); }
  std::vector<std::string> TabLabels() const {
    std::vector<std::string> labels;
    for (int i = 0; i < window->CountTabs(kIdcTabStrip); ++i)
      labels.push_back(window->GetTabLabel(kIdcTabStrip, i));
    return labels;
  }
  CCropBudget& Budget(int position) { return *App_Document().GetBudget(position); }
  GridEngine& Grid() { return *window->GetGrid(kIdcGrid); }
  std::string Cell(int row, int col) { return GetGridCellText(Grid(), row, col); }
  int GridRows() { return static_cast<int>(Grid().SendMessage(GM_GETROWS)); }
  int GridCols() { return static_cast<int>(Grid().SendMessage(GM_GETCOLS)); }
  std::vector<std::string> TakeMessages() { return platform.TakeMessages(); }

  HeadlessPlatform platform;
  ScopedPlatform scoped{platform};
  HeadlessDialog* window = nullptr;
};
