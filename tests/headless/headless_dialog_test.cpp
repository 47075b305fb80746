#include "headless/headless_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/grid_engine.h"
#include "headless/headless_platform.h"
#include "headless/headless_test_dialog.h"

namespace {

using namespace headless_test;

class HeadlessDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog = static_cast<HeadlessDialog*>(
        platform.CreateModeless(TestTemplate(), log.Proc(), nullptr, 0));
    log.Take();
  }
  HeadlessPlatform platform;
  EventLog log;
  HeadlessDialog* dialog = nullptr;
};

TEST_F(HeadlessDialogTest, ControlsStartAsTheTemplateDescribesThemInPixels) {
  // 7 pixels an average character, 16 a character height: 7/4 and 2 per unit.
  EXPECT_EQ(dialog->GetClientRect().Width(), 700);
  EXPECT_EQ(dialog->GetClientRect().Height(), 600);
  const PixelRect edit = dialog->GetItemRect(kEdit);
  EXPECT_EQ(edit.left, 87);
  EXPECT_EQ(edit.top, 40);
  EXPECT_EQ(edit.Width(), 105);
  EXPECT_EQ(edit.Height(), 24);
  EXPECT_FALSE(dialog->IsItemVisible(kHiddenButton));
  EXPECT_FALSE(dialog->IsItemEnabled(kDisabledButton));
  EXPECT_EQ(dialog->GetItemText(kLabel), "Name");
  EXPECT_EQ(dialog->GetItemText(999), "");
  dialog->SetMinimumSize(500, 440);
  dialog->ResizeClient(300, 900);
  EXPECT_EQ(log.Take(), std::vector<std::string>{"size 500 900"});
}

TEST_F(HeadlessDialogTest, AGridControlHasAnEngineThatFollowsItsSizeAndText) {
  GridEngine* grid = dialog->GetGrid(kGrid);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->State().clientWidth, 665);
  EXPECT_EQ(grid->State().clientHeight, 240);
  EXPECT_EQ(dialog->GetGrid(kEdit), nullptr);
  dialog->MoveItem(kGrid, {10, 20, 410, 320});
  EXPECT_EQ(grid->State().clientWidth, 400);
  EXPECT_EQ(grid->State().clientHeight, 300);
  dialog->SetItemText(kGrid, "Budget");  // the grid's window text is its title
  EXPECT_EQ(grid->State().title, "Budget");
}

TEST_F(HeadlessDialogTest, ProgramTextsIgnoreTheLimitAndFollowListSelections) {
  dialog->SetItemLimit(kEdit, 3);
  dialog->SetItemModified(kEdit, true);
  dialog->SetItemText(kEdit, "abcdef");
  EXPECT_EQ(dialog->GetItemText(kEdit), "abcdef");
  EXPECT_FALSE(dialog->GetItemModified(kEdit));
  dialog->AddItemString(kCombo, "Cow");
  dialog->AddItemString(kCombo, "Ewe");
  dialog->SetItemSelection(kCombo, 1);
  EXPECT_EQ(dialog->GetItemText(kCombo), "Ewe");
  dialog->SetItemSelection(kCombo, 7);
  EXPECT_EQ(dialog->GetItemSelection(kCombo), -1);
  dialog->ResetItems(kCombo);
  EXPECT_EQ(dialog->GetItemText(kCombo), "");

  dialog->AddItemString(kDropList, "Head");
  dialog->SetItemText(kDropList, "typed");
  EXPECT_EQ(dialog->GetItemText(kDropList), "");
  dialog->SetItemSelection(kDropList, 0);
  EXPECT_EQ(dialog->GetItemText(kDropList), "Head");
  EXPECT_TRUE(log.events.empty());  // and the procedure hears nothing
}

TEST_F(HeadlessDialogTest, TabStripKeepsTheSelectedTabWhenTabsAreInserted) {
  dialog->InsertTab(kTabs, 0, "Summary");
  EXPECT_EQ(dialog->GetTabSelection(kTabs), 0);  // the first tab is selected
  dialog->InsertTab(kTabs, 1, "B");
  dialog->SetTabSelection(kTabs, 1);
  dialog->InsertTab(kTabs, 1, "A");
  EXPECT_EQ(dialog->GetTabSelection(kTabs), 2);
  dialog->InsertTab(kTabs, 99, "C");
  EXPECT_EQ(dialog->GetTabLabel(kTabs, 3), "C");
  dialog->SetTabSelection(kTabs, 4);  // no such tab
  EXPECT_EQ(dialog->GetTabSelection(kTabs), 2);
  dialog->DeleteAllTabs(kTabs);
  EXPECT_EQ(dialog->GetTabSelection(kTabs), -1);
  EXPECT_TRUE(log.events.empty());
}

TEST_F(HeadlessDialogTest, FormattedTextMergesRunsCountedInCharacters) {
  TextStyle warning;
  warning.bold = warning.italic = true;
  warning.autoColor = false;
  warning.color = 0x0000FF;
  dialog->SetItemText(kRich, "\xC3\xA9tat\n\nINSTRUCTIONS");  // 18 characters
  dialog->FormatItemText(kRich, 0, -1, TextStyle{});
  dialog->FormatItemText(kRich, 0, 4, warning);
  dialog->FormatItemText(kRich, 500, 3, warning);
  dialog->FormatItemText(kRich, 10, 2147483647, TextStyle{});
  const std::vector<StyledRun> runs = dialog->Control(kRich)->StyleRuns();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].length, 4);
  EXPECT_TRUE(SameStyle(runs[0].style, warning));
  EXPECT_EQ(runs[1].start, 4);
  EXPECT_EQ(runs[1].length, 14);
  dialog->SetItemText(kRich, "new");
  EXPECT_TRUE(SameStyle(dialog->Control(kRich)->StyleRuns()[0].style, TextStyle{}));
}

TEST_F(HeadlessDialogTest, GridFocusFollowsTheDialogFocusAndNotifiesTheProcedure) {
  GridEngine& grid = *dialog->GetGrid(kGrid);
  dialog->SetFocusItem(kGrid);
  dialog->SetFocusItem(kGrid);
  dialog->SetFocusItem(kEdit);
  EXPECT_FALSE(grid.State().hasFocus);
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"command 30 23 0", "command 30 24 0"}));
  // The program may tell the grid itself that it lost or gained the focus:
  // the dialog's focus follows, and the user can give it back.
  dialog->SetFocusItem(kGrid);
  grid.FocusOut();
  EXPECT_EQ(dialog->GetFocusItem(), 0);
  dialog->SetFocusItem(kGrid);
  EXPECT_TRUE(grid.State().hasFocus);
  dialog->SetFocusItem(kEdit);
  grid.FocusIn();
  EXPECT_EQ(dialog->GetFocusItem(), kGrid);
}

}  // namespace
