// What the budget and its lines write into the grid and the text rows.
#include <gtest/gtest.h>

#include <string>

#include "budget_fixture.h"

namespace {

using BudgetGrid = BudgetFixture;

TEST_F(BudgetGrid, NewBudgetShowsTwelveRows) {
  budget.FillGrid(grid);
  EXPECT_EQ(Row(0),
            "*|Item|Production\nor Weight\nper Animal|Unit of\nMeasurement|Total Number\nof "
            "Head/Units|Price/Cost\nper Unit|Total\nValue|Value/Cost\nper Herd Unit PPPPPPPP");
  ExpectRows({
      {1, "*|VALUE OF PRODUCTION|||||| PPPPPPPP"},
      {2, "|<Type new item here>|||||| UUUUUUUU"},
      {3, "|Gross Returns|||||$ 0.00|$ 0.00 PPPPPPPP"},
      {5, "|<Type new item here>|\t||||| UUPUUUUU"},
      {7, "|Net Returns Above Operating Costs|||||$ 0.00|$ 0.00 PPPPPPPP"},
      {9, "|<Type new item here>|\t||||| UUPUUUUU"},
      {12, "*|NET RETURNS|||||$ 0.00|$ 0.00 PPPPPPPP"}});
  EXPECT_EQ(grid.State().rows, 12);
  EXPECT_EQ(grid.State().cols, 7);
  EXPECT_EQ(grid.State().defaultProtection, 'U');
}

TEST_F(BudgetGrid, LineRowsByKindAndSection) {
  budget.numUnits = 10;
  budget.interestRate = 6.5;
  budget.herdUnitName = "Cow";
  Add(kSectionReturns, "Calves", kKindHeading, -1);
  Add(kSectionReturns, "Steers", kKindQuantity, 15, 9, 5.5).units = "cwt";
  Add(kSectionReturns, "Culls", kKindTotal, 300);
  Add(kSectionReturns, "Gain", kKindPerAnimal, -1);
  Add(kSectionReturns, "Idea", kKindLabelOnly, -1);
  Add(kSectionOperating, "Hay", kKindQuantity, 8, 20).units = "$";
  Add(kSectionOperating, "Salt", kKindQuantity, 12.5, 10, 2);
  Add(kSectionOperating, "Operating Interest", kKindTotal, 10).source = kSourceInterest;
  budget.FillGrid(grid);
  EXPECT_EQ(Cell(0, 7), "Value/Cost\nper Cow");
  ExpectRows({
      {2, "*|Calves|||||$ 1042.50|$ 104.25 UUPPPPPP"},
      {3, "|Steers|5.50|cwt|9.00|$ 15.00|$ 742.50|$ 74.25 UUUUUUPP"},
      {4, "|Culls|||||$ 300.00|$ 30.00 UUPPPPUP"},
      {5, "|Gain|||||| UUPPPPPU"},
      {6, "|Idea|||||| UUUUUUUU"},
      {10, "|Hay|\t|$|20.00|8.00|$ 160.00|$ 16.00 UUPUUUPP"},
      {11, "|Salt|2.00||10.00|$ 12.50|$ 250.00|$ 25.00 UUPUUUPP"},
      // Refreshed before the grid is filled: 6.5 % of 410.00 for five months.
      {12, "^|Operating Interest (6.50 %)|||||$ 11.10|$ 1.11 PPPPPPPP"},
      {13, "|<Type new item here>|\t||||| UUPUUUUU"}});

  const struct {
    int section;
    const char* text;
  } texts[] = {
      {kSectionReturns,
       "Calves\t\t\t\t\t$ 1042.50\t$ 104.25\tSteers\t5.50\tcwt\t9.00\t$ 15.00\t$ 742.50\t$ 74.25"
       "Culls\t\t\t\t\t$ 300.00\t$ 30.00Gain\t\t\t\t\t\tIdea\t\t\t\t\t\t"},
      {kSectionOperating, "Hay\t\t$\t20.00\t8.00\t$ 160.00\t$ 16.00Salt\t2.00\t\t10.00\t$ 12.50"
                          "\t$ 250.00\t$ 25.00Operating Interest (6.50 %)\t\t\t\t\t$ 11.10\t$ 1.11"}};
  for (const auto& t : texts) {
    std::string text;
    for (const CBudgetLine* line = budget.sections[t.section].get(); line; line = line->next.get()) {
      line->GetRowText(text, budget);
    }
    EXPECT_EQ(text, t.text);
  }
}

TEST_F(BudgetGrid, TotalsRowsShowLossesAndNeverInfOrNan) {
  budget.numUnits = 0;
  Add(kSectionReturns, "Calves", kKindQuantity, 1e300, 1e300);
  Add(kSectionOperating, "Feed", kKindTotal, 125.4);
  Add(kSectionOwnership, "Refund", kKindTotal, -40);
  budget.FillGrid(grid);
  for (int row = 0; row <= 15; ++row) {
    EXPECT_EQ(Row(row).find("inf"), std::string::npos) << row;
    EXPECT_EQ(Row(row).find("nan"), std::string::npos) << row;
  }
  EXPECT_EQ(Cell(2, 6) + Cell(2, 7), "") << "a product beyond any number is blank";
  ExpectRows({{11, "|Refund|||||| UUPPPPUP"},  // a negative amount is blank
              {15, "*|NET RETURNS|||||$ -125.40|$ 0.00 PPPPPPPP"}});
}

TEST_F(BudgetGrid, TypingIntoNewItemRowsCreatesLines) {
  std::string message;
  // New-item rows of an empty budget: Returns 2, Operating 5, Ownership 9; each
  // line created moves the rows after it down by one.
  EXPECT_EQ(budget.SetValue(5, 4, "5", &message), 1);
  EXPECT_EQ(budget.SetValue(2, 1, "Calves", &message), 1);
  EXPECT_EQ(budget.SetValue(11, 7, "12", &message), 1);
  EXPECT_EQ(budget.SetValue(11, 1, "Insurance", &message), 1);
  EXPECT_EQ(message, "");
  budget.FillGrid(grid);
  ExpectRows({{2, "|Calves|||||| UUUUUUUU"},
              {6, "||\t||5.00||| UUPUUUPP"},
              {7, "|<Type new item here>|\t||||| UUPUUUUU"},
              {11, "|Insurance||||||$ 12.00 UUPPPPPU"}});

  EXPECT_EQ(budget.SetValue(6, 5, "abc", &message), 1);
  EXPECT_EQ(message, "Problem with 'Price or Total' field");
  for (int row : {1, 4, 10, 15, 99}) EXPECT_EQ(budget.SetValue(row, 1, "x", &message), 0);
  EXPECT_EQ(platform.TakeMessages(),
            std::vector<std::string>(5, "Null pParent pointer in CCropBudget::SetValue"));
}

}  // namespace
