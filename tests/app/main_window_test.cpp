#include "app/app_resources.h"
#include "main_window_fixture.h"

namespace {

struct Visibility {
  int id;
  bool onBudget;
  bool onSummary;
};

TEST_F(MainWindowTest, NewWorksheetShowsSummaryAndOneUntitledBudget) {
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "Untitled Tab"}));
  EXPECT_EQ(SelectedTab(), 1);
  EXPECT_EQ(window->GetFocusItem(), kIdcEditId);
  EXPECT_EQ(window->GetCaption(), "Corvale Herdwright");
  EXPECT_FALSE(App_IsModified());
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_EQ(GridRows(), 12);
  EXPECT_EQ(window->MinimumWidth(), 500);
  EXPECT_EQ(window->MinimumHeight(), 440);
}

TEST_F(MainWindowTest, HeaderControlsFollowTheTab) {
  const Visibility switching[] = {
      {kIdcComboHerdUnit, true, false},  {kIdcEditAddress, false, true},
      {kIdcEditUnits, true, false},      {kIdcEditFootnote, true, false},
      {kIdcRadioWholeFarm, false, true}, {kIdcOptions, true, false},
      {kIdcMachineButton, false, false}, {kIdcEditId, true, true},
  };
  for (const Visibility& control : switching)
    EXPECT_EQ(window->IsItemVisible(control.id), control.onBudget) << control.id;
  ClickTab(0);
  for (const Visibility& control : switching)
    EXPECT_EQ(window->IsItemVisible(control.id), control.onSummary) << control.id;
  EXPECT_EQ(Text(kIdcLabelId), "Name");
  EXPECT_EQ(Text(kIdcLabelHerdUnit), "Address");
  EXPECT_EQ(window->GetItemRect(kIdcEditId).right, window->GetItemRect(kIdcEditTitle).right);
  EXPECT_EQ(GridRows(), 0);
  ClickTab(1);
  EXPECT_EQ(Text(kIdcLabelId), "Budget / Publication ID");
  EXPECT_EQ(Text(kIdcLabelHerdUnit), "Specify Herd Unit");
  EXPECT_EQ(window->GetItemRect(kIdcEditId).Width(), 12 * window->AverageCharWidth());
}

TEST_F(MainWindowTest, WarningLineIsBoldItalicRed) {
  Budget(0).AppendLine(kSectionOperating).label = "Hay";
  Budget(0).numUnits = 0;
  Command(kCmdShowTab);
  const std::vector<StyledRun> runs = window->Control(kIdcInstructions)->StyleRuns();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].length, 43);  // "Enter Number of Animals or Herd Units above"
  EXPECT_TRUE(runs[0].style.bold && runs[0].style.italic && !runs[0].style.autoColor);
  EXPECT_EQ(runs[0].style.color, 0x0000FFu);
  EXPECT_TRUE(!runs[1].style.bold && runs[1].style.autoColor);

  Budget(0).numUnits = 3;
  Command(kCmdShowTab);
  EXPECT_EQ(window->Control(kIdcInstructions)->StyleRuns().size(), 1u);
}

TEST_F(MainWindowTest, MenusOfferWhatTheTabAllows) {
  TabMenu(0);
  EXPECT_FALSE(platform.TakeLastPopupMenu().value().at(6).grayed);  // "Delete current tab"
  ClickTab(0);
  TabMenu(0);
  EXPECT_TRUE(platform.TakeLastPopupMenu().value().at(6).grayed);

  ClickTab(1);
  Done(UserRightClickCell(*window, 1, 1));  // a section heading holds no line
  EXPECT_EQ(platform.TakeLastPopupMenu(), std::nullopt);
  Done(UserRightClickCell(*window, 5, 1));
  EXPECT_TRUE(platform.TakeLastPopupMenu().value().at(5).grayed);  // "Paste", clipboard empty
  platform.GetClipboard().Open(nullptr);
  platform.GetClipboard().Put(kClipboardTextFormat, "12");
  platform.GetClipboard().Close();
  Done(UserRightClickCell(*window, 5, 1));
  EXPECT_FALSE(platform.TakeLastPopupMenu().value().at(5).grayed);
}

TEST_F(MainWindowTest, PendingFeaturesSaySoAndChangeNothing) {
  platform.Answers().QueueMenu(kCmdVeterinary);
  Command(kIdcOptions);
  EXPECT_EQ(platform.TakeLastPopupMenu().value().size(), ViewMenu().submenu.size());
  for (int command : {kCmdPrint, kCmdImport, kCmdExpenses, kCmdRetainedLivestock}) Command(command);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>(5, "This feature is not yet available."));
  EXPECT_FALSE(App_IsModified());
}

TEST_F(MainWindowTest, CopyTabPlacesTheBudgetAsText) {
  TabMenu(kCmdCopyTab);
  std::string text;
  EXPECT_TRUE(platform.GetClipboard().Fetch(kClipboardTextFormat, &text));
  EXPECT_NE(text.find("VALUE OF PRODUCTION"), std::string::npos);
  ClickTab(0);
  TabMenu(kCmdCopyTab);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"This feature is not yet available."});
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
