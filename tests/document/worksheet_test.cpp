#include "document/worksheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless_platform.h"

namespace {

class WorksheetDocument : public ::testing::Test {
 protected:
  void AddBudgets(const std::vector<std::string>& titles) {
    for (const std::string& title : titles)
      worksheet.GetBudget(worksheet.CountBudgets(), true)->title = title;
  }
  std::vector<std::string> Titles() {
    std::vector<std::string> titles;
    for (int i = 0; CCropBudget* budget = worksheet.GetBudget(i); ++i) titles.push_back(budget->title);
    return titles;
  }

  HeadlessPlatform platform;
  ScopedPlatform installed{platform};
  CBudgetWorksheet worksheet;
};

TEST_F(WorksheetDocument, GetBudgetCreatesMissingBudgetsOnlyWhenAsked) {
  EXPECT_EQ(worksheet.GetBudget(0), nullptr);
  CCropBudget* third = worksheet.GetBudget(2, true);
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(worksheet.CountBudgets(), 3);
  EXPECT_EQ(worksheet.GetBudget(2), third);
  EXPECT_EQ(worksheet.GetBudget(1, true), worksheet.GetBudget(1));
  EXPECT_EQ(worksheet.GetBudget(3), nullptr);
  EXPECT_EQ(worksheet.GetBudget(-1, true), nullptr);
  EXPECT_EQ(worksheet.CountBudgets(), 3);
  worksheet.name = worksheet.phone = worksheet.address = "x";
  worksheet.Clear();
  EXPECT_EQ(worksheet.CountBudgets(), 0);
  EXPECT_EQ(worksheet.name + worksheet.phone + worksheet.address, "");
}

TEST_F(WorksheetDocument, DeleteBudgetRefusesTheOnlyBudget) {
  AddBudgets({"Only"});
  EXPECT_FALSE(worksheet.DeleteBudget(0));
  EXPECT_EQ(Titles(), std::vector<std::string>{"Only"});
  EXPECT_EQ(platform.TakeMessages(), std::vector<std::string>{"Can't delete last or only budget."});
}

TEST_F(WorksheetDocument, DeleteBudgetRemovesTheBudgetAtThatPosition) {
  AddBudgets({"A", "B", "C", "D"});
  EXPECT_TRUE(worksheet.DeleteBudget(1));
  EXPECT_EQ(Titles(), (std::vector<std::string>{"A", "C", "D"}));
  EXPECT_TRUE(worksheet.DeleteBudget(2));
  EXPECT_TRUE(worksheet.DeleteBudget(0));
  AddBudgets({"E"});
  EXPECT_FALSE(worksheet.DeleteBudget(2));
  EXPECT_FALSE(worksheet.DeleteBudget(-1));
  EXPECT_EQ(Titles(), (std::vector<std::string>{"C", "E"}));
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(WorksheetDocument, SetFieldCutsEachTextToItsLimitInCharacters) {
  std::string accented;
  for (int i = 0; i < 200; ++i) accented += "\xC3\xA9";
  worksheet.SetField(kFieldName, accented);
  worksheet.SetField(kFieldPhone, std::string(40, '5'));
  worksheet.SetField(kFieldAddress, accented);
  EXPECT_EQ(worksheet.name, accented.substr(0, 2 * 32));
  EXPECT_EQ(worksheet.phone, std::string(32, '5'));
  EXPECT_EQ(worksheet.address, accented.substr(0, 2 * 150));
  worksheet.SetField(kFieldName, "Ranch <Co> & Sons");
  worksheet.SetField(1072, "ignored");
  EXPECT_EQ(worksheet.name, "Ranch <Co> & Sons");
  EXPECT_EQ(worksheet.phone, std::string(32, '5'));
}

}  // namespace
