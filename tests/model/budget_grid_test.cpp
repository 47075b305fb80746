// What the budget and its lines write into the grid and the text rows.
#include <gtest/gtest.h>

#include <string>

#include "budget_fixture.h"
#include "model/line_chain.h"

namespace {

using BudgetGrid = BudgetFixture;

// A new budget's rows and the common line rows are held by the golden files
// and scripts; these are the rest.
TEST_F(BudgetGrid, LineRowsByKindAndSection) {
  budget.numUnits = 10;
  Add(kSectionReturns, "Gain", kKindPerAnimal, -1);
  Add(kSectionReturns, "Idea", kKindLabelOnly, -1);
  Add(kSectionOperating, "Hay", kKindQuantity, 8, 20).units = "$";  // the price is money already
  Add(kSectionOperating, "Salt", kKindQuantity, 12.5, 10, 2);       // costs lock the weight
  Add(kSectionOperating, "Note", kKindLabelOnly, -1);
  budget.FillGrid(grid);
  ExpectRows({{2, "|Gain|||||| UUPPPPPU"},
              {3, "|Idea|||||| UUUUUUUU"},
              {7, "|Hay|\t|$|20.00|8.00|$ 160.00|$ 16.00 UUPUUUPP"},
              {8, "|Salt|2.00||10.00|$ 12.50|$ 250.00|$ 25.00 UUPUUUPP"},
              {9, "|Note|\t||||| UUPUUUUU"}});
  std::string text;
  for (int section : {kSectionReturns, kSectionOperating})
    for (const CBudgetLine* line = budget.sections[section].get(); line; line = line->next.get())
      line->GetRowText(text, budget);
  EXPECT_EQ(text, "Gain\t\t\t\t\t\tIdea\t\t\t\t\t\tHay\t\t$\t20.00\t8.00\t$ 160.00\t$ 16.00"
                  "Salt\t2.00\t\t10.00\t$ 12.50\t$ 250.00\t$ 25.00Note\t\t\t\t\t\t");
}

TEST_F(BudgetGrid, TotalsRowsShowLossesAndNeverInfOrNan) {
  budget.numUnits = 0;
  Add(kSectionReturns, "Calves", kKindQuantity, 1e300, 1e300);
  Add(kSectionOperating, "Feed", kKindTotal, 125.4);
  Add(kSectionOwnership, "Refund", kKindTotal, -40);
  budget.FillGrid(grid);
  for (int row = 0; row <= 15; ++row)
    for (const char* bad : {"inf", "nan"}) EXPECT_EQ(Row(row).find(bad), std::string::npos) << Row(row);
  EXPECT_EQ(Cell(2, 6) + Cell(2, 7), "") << "a product beyond any number is blank";
  ExpectRows({{11, "|Refund|||||| UUPPPPUP"},  // so is a negative amount
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
  // Its label emptied (Delete, or a backspace and Enter) is nothing entered.
  EXPECT_EQ(budget.SetValue(3, 1, "", &message), 1);
  EXPECT_EQ(budget.CountLines(kAllSections), 3);
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

namespace {

using LinePlaceTest = BudgetFixture;

// The place a row shows, found without laying out the whole budget, is the
// one every other row lookup finds, whatever the sections' lengths.
TEST_F(LinePlaceTest, AgreesWithTheLayoutOnEveryRow) {
  for (int lines : {0, 1, 4}) {
    for (int s = 0; s < 3; ++s) {
      for (int i = budget.CountLines(s); i < lines + s; ++i) Add(s, "Line", kKindTotal, i);
    }
    for (int row = -1; row < budget.CountLines(kAllSections) + 14; ++row) {
      int section = -1, index = -1;
      const bool found = budget.GetLinePlace(row, &section, &index);
      LineSlot* slot = budget.GetLineSlot(row);
      ASSERT_EQ(found, slot != nullptr) << "row " << row;
      if (found) {
        EXPECT_EQ(SlotAt(budget.sections[static_cast<std::size_t>(section)], index), slot);
      }
    }
  }
}

}  // namespace
