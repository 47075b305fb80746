#include "headless/headless_user.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/grid_engine.h"
#include "headless/headless_platform.h"
#include "headless/headless_test_dialog.h"

namespace {

using namespace headless_test;

std::string Grid(int code, int row, int col) {
  return "command 30 " + std::to_string(code) + " " + std::to_string(PackRowCol(row, col));
}

class HeadlessUserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog = static_cast<HeadlessDialog*>(
        platform.CreateModeless(TestTemplate(), log.Proc(), nullptr, 0));
    grid = dialog->GetGrid(kGrid);
    grid->SendMessage(GM_SETDIMENSIONS, 100, 5);
    grid->SendMessage(GM_SETEDITABLE, 1);
    SetGridCell(*grid, 1, 1, "300");
    log.Take();
  }

  HeadlessPlatform platform;
  EventLog log;
  HeadlessDialog* dialog = nullptr;
  GridEngine* grid = nullptr;
};

TEST_F(HeadlessUserTest, CommandsClickControlsOrChooseMenuItems) {
  dialog->ShowItem(kOpenButton, false);
  struct Case {
    int id;
    std::string error;
    std::vector<std::string> events;
  };
  const std::vector<Case> cases = {
      {kIdOk, "", {"command 1 0 0"}},
      {kMenuNew, "", {"command 100 0 0"}},
      // A menu command wins over a hidden button with the same number.
      {kMenuHidden, "", {"command 17 0 0"}},
      {777, "", {"command 777 0 0"}},  // from a popup menu or an accelerator
      {kMenuExit, "menu item 101 is grayed", {}},
      {kOpenButton, "control 16 is hidden", {}},
      {kDisabledButton, "control 18 is disabled", {}},
      {kLabel, "control 10 is not a button", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UserCommand(*dialog, c.id), c.error) << c.id;
    EXPECT_EQ(log.Take(), c.events) << c.id;
  }
  EXPECT_EQ(dialog->GetFocusItem(), kIdOk);  // a clicked button takes the focus
}

TEST_F(HeadlessUserTest, ClicksToggleCheckBoxesAndCheckOneRadioButtonOfAGroup) {
  EXPECT_EQ(UserCommand(*dialog, kCheck), "");
  EXPECT_TRUE(dialog->IsItemChecked(kCheck));
  EXPECT_EQ(UserCommand(*dialog, kCheck), "");
  EXPECT_FALSE(dialog->IsItemChecked(kCheck));

  dialog->CheckItem(kRadioA, true);
  dialog->CheckItem(kCheck, true);  // outside the group
  EXPECT_EQ(UserCommand(*dialog, kRadioB), "");
  EXPECT_FALSE(dialog->IsItemChecked(kRadioA));
  EXPECT_TRUE(dialog->IsItemChecked(kRadioB));
  EXPECT_TRUE(dialog->IsItemChecked(kCheck));
  EXPECT_EQ(log.Take().back(), "command 15 0 0");
}

TEST_F(HeadlessUserTest, TypedTextIsCutToTheLimitInCharactersAndReported) {
  dialog->SetItemLimit(kEdit, 4);
  EXPECT_EQ(UserEdit(*dialog, kEdit, "h\xC3\xA9llo w\xC3\xB6rld"), "");
  EXPECT_EQ(dialog->GetItemText(kEdit), "h\xC3\xA9ll");
  EXPECT_TRUE(dialog->GetItemModified(kEdit));
  EXPECT_EQ(dialog->GetFocusItem(), kEdit);
  EXPECT_EQ(UserEdit(*dialog, kCombo, "Ewe"), "");
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"command 11 1024 0", "command 12 6 0"}));

  EXPECT_EQ(UserEdit(*dialog, kReadOnly, "x"), "control 42 takes no typing");
  EXPECT_EQ(UserEdit(*dialog, kEdit, "two\nlines"), "control 11 takes no line break");
  EXPECT_EQ(UserEdit(*dialog, kLabel, "x"), "control 10 takes no typing");
  EXPECT_EQ(UserEdit(*dialog, 999, "x"), "there is no control 999");
  EXPECT_TRUE(log.events.empty());
}

TEST_F(HeadlessUserTest, EscapeGoesToTheDialogAndAnEditClickEndsTheGridEdit) {
  EXPECT_EQ(UserKey(*dialog, GridKey::Escape), "");  // nothing typed: the dialog's Cancel
  EXPECT_EQ(log.Take().back(), "command 2 0 0");
  EXPECT_EQ(UserType(*dialog, "12"), "");
  log.Take();
  EXPECT_EQ(UserEdit(*dialog, kEdit, "Cow"), "");
  EXPECT_EQ(log.Take(), (std::vector<std::string>{Grid(GN_EDITEND, 1, 1), "command 30 24 0",
                                                  "command 11 1024 0"}));
  EXPECT_EQ(GetGridCellText(*grid, 1, 1), "12");
}

TEST_F(HeadlessUserTest, ARightClickAsksForTheMenuOfWhatTheMouseReaches) {
  EXPECT_EQ(UserContextMenu(*dialog, kOpenButton), "");
  EXPECT_EQ(UserContextMenu(*dialog, 0), "");
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"menu 16", "menu 0"}));
  EXPECT_EQ(UserContextMenu(*dialog, kLabel), "control 10 lets the mouse through");
  EXPECT_EQ(UserContextMenu(*dialog, kHiddenButton), "control 17 is hidden");
  EXPECT_EQ(UserContextMenu(*dialog, 999), "there is no control 999");
  EXPECT_TRUE(log.events.empty());
}

TEST_F(HeadlessUserTest, CtrlTabTakesTheFocusFromTheGridToTheNextControlEitherWay) {
  EXPECT_EQ(UserType(*dialog, "12"), "");
  EXPECT_EQ(UserKey(*dialog, GridKey::CtrlTab), "");
  EXPECT_EQ(dialog->GetFocusItem(), kRich);
  EXPECT_EQ(GetGridCellText(*grid, 1, 1), "12");  // stored as the focus left
  // Hidden and disabled controls are passed over.
  dialog->ShowItem(kDropList, false);
  EXPECT_EQ(UserKey(*dialog, GridKey::CtrlShiftTab), "");
  EXPECT_EQ(dialog->GetFocusItem(), kOpenButton);
}

TEST(HeadlessUserTabs, ATabClickAnnouncesTheChangeAroundTheNewSelection) {
  HeadlessPlatform platform;
  std::vector<std::string> seen;
  const DialogProc watch = [&](Dialog& d, const DialogEvent& event) {
    if (event.kind == DialogEventKind::kTabChanging || event.kind == DialogEventKind::kTabChanged)
      seen.push_back(Describe(event) + " at " + std::to_string(d.GetTabSelection(kTabs)));
    return 1;
  };
  auto* dialog =
      static_cast<HeadlessDialog*>(platform.CreateModeless(TestTemplate(), watch, nullptr, 0));
  for (const char* label : {"Summary", "One", "Two"}) dialog->InsertTab(kTabs, 9, label);
  EXPECT_EQ(UserClickTab(*dialog, 2), "");
  EXPECT_EQ(seen, (std::vector<std::string>{"changing 20 at 0", "changed 20 at 2"}));
  seen.clear();
  EXPECT_EQ(UserClickTab(*dialog, 2), "");  // the selected tab: nothing happens
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(UserClickTab(*dialog, 3), "there is no tab 3");
  EXPECT_EQ(UserClickTab(*dialog, -1), "there is no tab -1");
}

TEST_F(HeadlessUserTest, ACellClickFocusesTheGridAndMovesTheCursorThere) {
  EXPECT_EQ(UserClickCell(*dialog, 3, 2), "");
  EXPECT_EQ(log.Take(),
            (std::vector<std::string>{"command 30 23 0", Grid(GN_CELLCLICKED, 3, 2),
                                      Grid(GN_ROWCHANGED, 3, 2), Grid(GN_SELCHANGE, 3, 2),
                                      Grid(GN_COLCHANGED, 3, 2), Grid(GN_SELCHANGE, 3, 2)}));
  EXPECT_EQ(dialog->GetFocusItem(), kGrid);

  // A row far below the view is scrolled to first, as the user would.
  EXPECT_EQ(UserClickCell(*dialog, 90, 2), "");
  EXPECT_EQ(grid->State().cursorRow, 90);
  EXPECT_GT(grid->State().topRow, 1);

  grid->SendMessage(GM_SETCOLWIDTH, 4, 0);
  EXPECT_EQ(UserClickCell(*dialog, 1, 4), "column 4 of the grid is not shown");
  EXPECT_EQ(UserClickCell(*dialog, 101, 1), "there is no cell 101 1 in the grid");
  EXPECT_EQ(UserClickCell(*dialog, 1, 0), "there is no cell 1 0 in the grid");
}

TEST(HeadlessUserWithoutGrid, EscapeAndEnterGoToTheDialogOtherKeysFail) {
  HeadlessPlatform platform;
  EventLog log;
  DialogTemplate plain = TestTemplate();
  std::erase_if(plain.controls,
                [](const ControlTemplate& c) { return c.kind == ControlKind::kGrid; });
  auto* dialog =
      static_cast<HeadlessDialog*>(platform.CreateModeless(plain, log.Proc(), nullptr, 0));
  log.Take();
  EXPECT_EQ(UserKey(*dialog, GridKey::Escape), "");
  EXPECT_EQ(UserKey(*dialog, GridKey::Enter), "");
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"command 2 0 0", "command 1 0 0"}));
  EXPECT_EQ(UserKey(*dialog, GridKey::Down), "the window has no grid");
  EXPECT_EQ(UserType(*dialog, "1"), "the window has no grid");
  EXPECT_EQ(UserClickCell(*dialog, 1, 1), "the window has no grid");
}

}  // namespace
