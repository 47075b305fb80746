#include "app/app_resources.h"
#include "main_window_fixture.h"

namespace {

struct Visibility {
  int id;
  bool onBudget;
  bool onSummary;
};

TEST_F(MainWindowTest, HeaderControlsFollowTheTab) {
  EXPECT_EQ(GridRows(), 12);
  EXPECT_EQ(window->MinimumWidth(), 500);
  EXPECT_EQ(window->MinimumHeight(), 440);
  const Visibility switching[] = {
      {kIdcComboHerdUnit, true, false},  {kIdcEditAddress, false, true},
      {kIdcEditUnits, true, false},      {kIdcEditFootnote, true, false},
      {kIdcRadioWholeFarm, false, true}, {kIdcMachineButton, false, false},
      {kIdcEditIdOrName, true, true},
  };
  for (const Visibility& control : switching)
    EXPECT_EQ(window->IsItemVisible(control.id), control.onBudget) << control.id;
  EXPECT_EQ(window->GetItemRect(kIdcEditIdOrName).Width(), 12 * window->AverageCharWidth());
  ClickTab(0);
  for (const Visibility& control : switching)
    EXPECT_EQ(window->IsItemVisible(control.id), control.onSummary) << control.id;
  EXPECT_EQ(window->GetItemRect(kIdcEditIdOrName).right, window->GetItemRect(kIdcEditTitleOrPhone).right);
  EXPECT_EQ(GridRows(), 2);  // the new budget and the TOTAL row
  EXPECT_EQ(Cell(2, 1), "TOTAL");
}

TEST_F(MainWindowTest, EveryBudgetColumnShowsAtStartUpWhenTheScreenHasRoom) {
  const std::string_view sample = HERD_TEST_DATA_DIR "/cli/sample-ranch.vqn";
  for (const std::string_view document : {std::string_view(), sample}) {
    StartUp(document);
    int columns = 0;
    for (int col = 0; col <= GridCols(); ++col)
      columns += static_cast<int>(Grid().SendMessage(GM_GETCOLWIDTH, static_cast<std::uintptr_t>(col)));
    EXPECT_GE(window->GetItemRect(kIdcGrid).Width(), columns + kGridScrollBarThickness) << document;
    EXPECT_FALSE(Grid().HorizontalScrollBar().shown) << document;
    EXPECT_EQ(Grid().LastVisibleColumn(), GridCols()) << document;
    EXPECT_LE(window->GetItemRect(kWindowItem).right, platform.WorkArea().right);
  }
}

TEST_F(MainWindowTest, MenusOfferWhatTheRowAllows) {
  Done(UserRightClickCell(*window, 1, 1));  // a section heading holds no line
  EXPECT_EQ(platform.TakeLastPopupMenu(), std::nullopt);
  Done(UserRightClickCell(*window, 5, 1));
  EXPECT_TRUE(platform.TakeLastPopupMenu().value().at(5).grayed);  // "Paste", clipboard empty
  platform.GetClipboard().Open(nullptr);
  platform.GetClipboard().Put(kClipboardTextFormat, "12");
  platform.GetClipboard().Close();
  Done(UserRightClickCell(*window, 5, 1));
  EXPECT_FALSE(platform.TakeLastPopupMenu().value().at(5).grayed);

  TabMenu(kCmdDeleteTab);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Can't delete last or only budget."});
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "Untitled Tab"}));
}

TEST_F(MainWindowTest, DeletingATabThatHoldsLinesAsksFirst) {
  const std::string question =
      "Are you sure you want to delete the livestock tab \"Cows\" and all of its lines?";
  Edit(kIdcEditIdOrName, "Cows");
  ClickCell(2, 5);  // a price on the new-item row makes a line
  Done(UserType(*window, "12.5"));
  Done(UserKey(*window, GridKey::Enter));
  Command(kCmdInsertTab);
  TabMenu(kCmdDeleteTab);  // no lines: no question
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "Cows"}));
  Command(kCmdInsertTab);
  ClickTab(1);
  platform.Answers().QueueAnswer(kIdNo);
  TabMenu(kCmdDeleteTab);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{question});
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "Cows", "Untitled Tab"}));
  platform.Answers().QueueAnswer(kIdYes);
  TabMenu(kCmdDeleteTab);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{question});
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "Untitled Tab"}));
}

TEST_F(MainWindowTest, OptionsOfferTheViewMenuAndABudgetTabCopiesAsTextOnly) {
  platform.Answers().QueueMenu(kCmdBuildings);
  Command(kIdcOptions);
  EXPECT_EQ(platform.TakeLastPopupMenu().value().size(), ViewMenu().submenu.size());
  TabMenu(kCmdCopyTab);
  std::string text;
  EXPECT_TRUE(platform.GetClipboard().Fetch(kClipboardTextFormat, &text));
  EXPECT_NE(text.find("VALUE OF PRODUCTION"), std::string::npos);
  EXPECT_FALSE(platform.GetClipboard().IsOffered(kClipboardRtfFormat));
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_FALSE(App_IsModified());
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheProgram) {
  DialogEvent close;
  close.kind = DialogEventKind::kClose;
  window->Send(close);
  EXPECT_TRUE(window->Destroyed());
  EXPECT_EQ(App_GetMainWindow(), nullptr);
  EXPECT_TRUE(platform.QuitPosted());
}

}  // namespace
