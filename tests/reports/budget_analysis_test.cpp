// The breakeven and sensitivity analysis: its figures, its refusals and the
// text the window shows.
#include <gtest/gtest.h>

#include <string>

#include "document/worksheet.h"
#include "headless/headless_platform.h"
#include "reports/analysis_text.h"
#include "reports/budget_analysis.h"

namespace {

// A budget of one animal: a return of `quantity` units at `price`, and the
// operating and ownership costs per animal.
CCropBudget& Budget(CBudgetWorksheet& worksheet, int position, double quantity, double price,
                    double operating, double ownership, const char* title) {
  CCropBudget& budget = *worksheet.GetBudget(position, true);
  budget.title = title;
  budget.numUnits = 1;
  CBudgetLine& sale = budget.AppendLine(kSectionReturns);
  sale.label = "Lambs";
  sale.units = "cwt";
  sale.kind = kKindQuantity;
  sale.quantity = quantity;
  sale.value = price;
  for (const auto& [section, cost] : {std::pair{kSectionOperating, operating},
                                      std::pair{kSectionOwnership, ownership}}) {
    if (cost < 0) continue;
    CBudgetLine& line = budget.AppendLine(section);
    line.kind = kKindPerAnimal;
    line.value = cost;
  }
  return budget;
}

class Analysis : public ::testing::Test {
 protected:
  HeadlessPlatform platform;
  ScopedPlatform installed{platform};
  CBudgetWorksheet worksheet;
  CBudgetAnalysis analysis;
};

TEST_F(Analysis, SensitivityGivesTheBreakevensOfTheWorkedExample) {
  analysis.base = &Budget(worksheet, 0, 100, 2, 150, 50, "Ewes");
  analysis.mode = AnalysisMode::kSensitivity;
  analysis.yieldIncrement = 5;
  analysis.priceIncrement = 10;
  analysis.Calculate(worksheet);
  ASSERT_EQ(analysis.message, "");
  const auto& prices = analysis.results[0];
  const auto& yields = analysis.results[1];
  // To the places the text shows.
  const auto expect = [](const std::array<double, 4>& row, double a, double b, double c) {
    const double places = a > 10 ? 0.05 : 0.005;
    EXPECT_NEAR(row[0], a, places);
    EXPECT_NEAR(row[1], b, places);
    EXPECT_NEAR(row[2], c, places);
  };
  expect(prices[0], 95, 100, 105);
  expect(prices[1], 1.58, 1.50, 1.43);
  expect(prices[2], 0.53, 0.50, 0.48);
  expect(prices[3], 2.11, 2.00, 1.90);
  expect(yields[0], 1.80, 2.00, 2.20);
  expect(yields[3], 111.1, 100.0, 90.9);
  const std::string text = AnalysisPlainText(analysis);
  EXPECT_NE(text.find("Total Cost Breakeven\t$2.11\t$2.00\t$1.90"), std::string::npos) << text;
  EXPECT_NE(text.find("Total Cost Breakeven\t111.1\t100.0\t90.9"), std::string::npos) << text;
  EXPECT_NE(text.find("\t-10%\tPrice\t+10%"), std::string::npos) << text;
}

TEST_F(Analysis, MissingCostsAndPricesShowHintsInsteadOfRows) {
  analysis.base = &Budget(worksheet, 0, 100, -1, 150, -1, "Ewes");
  analysis.mode = AnalysisMode::kSensitivity;
  analysis.Calculate(worksheet);
  const std::string rtf = RenderAnalysisRtf(analysis);
  EXPECT_NE(rtf.find("\\i Enter Ownership costs and acreage\\i0"), std::string::npos);
  EXPECT_EQ(rtf.find("Total Cost Breakeven"), std::string::npos);
  EXPECT_NE(rtf.find("\\i Enter $/Unit (Price) in table\\i0"), std::string::npos);
  EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang103{\\fonttbl"));
  EXPECT_TRUE(rtf.ends_with("\\par}\n"));
}

TEST_F(Analysis, RefusalsComeInOrderAndAreTheWholeText) {
  EXPECT_EQ((analysis.Calculate(worksheet), analysis.message), "Choose a crop tab in the main window");
  CCropBudget& empty = *worksheet.GetBudget(0, true);
  analysis.base = &empty;
  analysis.Calculate(worksheet);
  EXPECT_EQ(analysis.message, "Enter a return on the budget");
  CCropBudget& two = Budget(worksheet, 1, 100, 2, 10, 10, "Two");
  two.AppendLine(kSectionReturns).label = "Wool";
  analysis.base = &two;
  analysis.Calculate(worksheet);
  EXPECT_EQ(analysis.message, "Analysis not available with multiple returns on a budget");
  analysis.base = &Budget(worksheet, 2, 0, 2, 10, 10, "None");
  analysis.Calculate(worksheet);
  EXPECT_EQ(analysis.message, "No Quantity provided in Return");
  EXPECT_EQ(RenderAnalysisRtf(analysis), "No Quantity provided in Return");

  // Increments are checked in sensitivity mode only; 100 % and more would
  // make the lower yield or price zero or negative.
  analysis.base = &Budget(worksheet, 3, 100, 2, 10, 10, "Fine");
  analysis.yieldIncrement = 0;
  analysis.Calculate(worksheet);
  EXPECT_EQ(analysis.message, "");
  analysis.mode = AnalysisMode::kSensitivity;
  analysis.Calculate(worksheet);
  EXPECT_EQ(analysis.message, "Increments must be at least 1");
  analysis.yieldIncrement = 100;
  analysis.Calculate(worksheet);
  EXPECT_NE(analysis.message.find("less than 100%"), std::string::npos);
  for (const auto& row : analysis.results[0]) EXPECT_EQ(row[0], -1);
}

TEST_F(Analysis, GrossMarginBreakevensMatchTheBaseMarginSlotBySlot) {
  // Base margin 200 - 150 = 50 per head; the alternative earns 3 x 40 - 100 = 20.
  analysis.base = &Budget(worksheet, 0, 100, 2, 150, 50, "Ewes");
  Budget(worksheet, 1, 40, 3, 100, -1, "Goats <\\{x}>");
  worksheet.GetBudget(2, true)->title = "No return";
  analysis.alternatives = {-1, 1, -1, 2};
  analysis.Calculate(worksheet);
  ASSERT_EQ(analysis.message, "");
  EXPECT_DOUBLE_EQ(analysis.GrossMarginOfBase(), 50);
  EXPECT_DOUBLE_EQ(analysis.results[0][1][3], 40 + 30.0 / 3);  // breakeven yield
  EXPECT_DOUBLE_EQ(analysis.results[0][1][2], 3 + 30.0 / 40);  // breakeven price
  const std::string rtf = RenderAnalysisRtf(analysis);
  EXPECT_NE(rtf.find("\\i    No Alternative Crop #1 selected.\\i0\\par\n   Goats <\\\\\\{x\\}> @ $ "
                     "3.00 per cwt \\tab 50.0 cwt\\par\n\\i    No Alternative Crop #3 selected.\\i0"
                     "\\par\n   No return \\tab \\iNo price specified\\i0\\par\n"),
            std::string::npos)
      << rtf;
  EXPECT_NE(rtf.find("Goats <\\\\\\{x\\}> @ 40.0 cwt per acre \\tab $ 3.75 per cwt\\par\n"),
            std::string::npos);

  // An alternative that earns more even at no yield has no breakeven to show.
  analysis.alternatives = {1, -1, -1, -1};
  analysis.base = &Budget(worksheet, 3, 10, 1, 200, -1, "Poor");
  analysis.Calculate(worksheet);
  EXPECT_LT(analysis.results[0][0][3], 0);
  EXPECT_NE(RenderAnalysisRtf(analysis).find("earns more than the base crop at any yield"),
            std::string::npos);

  // Budgets deleted: a slot beyond the last budget is forgotten.
  analysis.alternatives = {3, 1, -1, 0};
  analysis.ForgetMissingAlternatives(2);
  EXPECT_EQ(analysis.alternatives, (std::array<int, 4>{-1, 1, -1, 0}));
}

TEST_F(Analysis, NoAlternativesAndEqualMargins) {
  analysis.base = &Budget(worksheet, 0, 100, 2, 150, 50, "Ewes");
  analysis.Calculate(worksheet);
  EXPECT_NE(RenderAnalysisRtf(analysis).find("\\i No alternative crops selected for comparison."),
            std::string::npos);
  analysis.alternatives[0] = 0;  // the base itself: equal margins
  analysis.Calculate(worksheet);
  EXPECT_DOUBLE_EQ(analysis.results[0][0][3], 100);
  EXPECT_DOUBLE_EQ(analysis.results[0][0][2], 2);
}

}  // namespace
