#include "main_window_fixture.h"

namespace {

// Rows of a budget without lines.
constexpr int kReturnsNewItemRow = 2;
constexpr int kOperatingNewItemRow = 5;

using MainEditsTest = MainWindowTest;

TEST_F(MainEditsTest, RefusedGridValueIsReportedAndDisappears) {
  ClickCell(kReturnsNewItemRow, 5);
  Done(UserType(*window, "lots"));
  Done(UserKey(*window, GridKey::Enter));
  const std::vector<std::string> messages = TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("Problem with '", 0), 0u);
  EXPECT_EQ(Cell(kReturnsNewItemRow, 5), "");
  EXPECT_TRUE(App_IsModified());
}

TEST_F(MainEditsTest, SwitchingTabsAppliesTheValueBeingTyped) {
  ClickCell(kOperatingNewItemRow, 4);
  Done(UserType(*window, "7"));
  ClickTab(0);
  ASSERT_EQ(Budget(0).CountLines(kSectionOperating), 1);
  EXPECT_EQ(Budget(0).sections[kSectionOperating]->quantity, 7.0);
  EXPECT_TRUE(App_IsModified());
}

TEST_F(MainEditsTest, EachTabComesBackWhereItsGridWasScrolled) {
  for (int i = 0; i < 60; ++i) Budget(0).AppendLine(kSectionReturns).label = "Calves";
  Command(kCmdShowTab);
  Grid().SendMessage(GM_SETTOPLEFT, 0, PackRowCol(30, 2));
  ClickTab(0);
  EXPECT_EQ(Grid().SendMessage(GM_GETTOPLEFT), PackRowCol(1, 1));
  ClickTab(1);
  EXPECT_EQ(Grid().SendMessage(GM_GETTOPLEFT), PackRowCol(30, 2));
}

TEST_F(MainEditsTest, HeaderEditsSetTheBudgetFields) {
  Edit(kIdcEditIdOrName, "CC-09");
  EXPECT_EQ(Budget(0).publicationId, "CC-09");
  EXPECT_EQ(TabLabels()[1], "CC-09");
  EXPECT_FALSE(window->GetItemModified(kIdcEditIdOrName));
  Edit(kIdcEditUnits, "40");
  EXPECT_EQ(Budget(0).numUnits, 40);
  Done(UserSelect(*window, kIdcComboHerdUnit, 3));
  EXPECT_EQ(Budget(0).herdUnitName, "Heifer");
  EXPECT_EQ(Cell(0, 7), "Value/Cost\nper Heifer");
  Edit(kIdcComboHerdUnit, "Ewe");
  EXPECT_EQ(Budget(0).herdUnitName, "Ewe");
  // Renaming the tab leaves the herd unit on show.
  Edit(kIdcEditIdOrName, "CC-10");
  EXPECT_EQ(Text(kIdcComboHerdUnit), "Ewe");
  EXPECT_EQ(window->CountItemStrings(kIdcComboHerdUnit), 5);

  ClickTab(0);
  Edit(kIdcEditIdOrName, "Bar K Ranch");
  Edit(kIdcEditTitleOrPhone, "555-0100");
  Edit(kIdcEditAddress, "Box 12\r\nCorvale");
  EXPECT_EQ(App_Document().name, "Bar K Ranch");
  EXPECT_EQ(App_Document().phone, "555-0100");
  EXPECT_EQ(App_Document().address, "Box 12\r\nCorvale");
  EXPECT_EQ(Budget(0).publicationId, "CC-10");
}

TEST_F(MainEditsTest, AddHeadingMakesAHeadingLine) {
  ClickCell(kOperatingNewItemRow, 1);
  Command(kCmdAddHeading);
  ASSERT_EQ(Budget(0).CountLines(kSectionOperating), 1);
  EXPECT_EQ(Budget(0).sections[kSectionOperating]->kind, kKindHeading);
  EXPECT_EQ(GridRows(), 13);
  EXPECT_TRUE(App_IsModified());
}

}  // namespace
