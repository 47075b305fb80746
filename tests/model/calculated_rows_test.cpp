// Rows that distributions and the operating interest keep up to date.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "budget_fixture.h"
#include "platform/dialog_window.h"

namespace {

struct FakeDialog : PlatformWindow {
  std::string GetItemText(int controlId) const override { return items.at(controlId); }
  void SetItemText(int controlId, std::string_view text) override { items[controlId] = text; }
  std::map<int, std::string> items;
};

class CalculatedRows : public BudgetFixture {
 protected:
  // One refresh of a source: mark, set every row still produced, sweep.
  void Refresh(std::int32_t source, const std::vector<std::pair<std::string, double>>& rows) {
    budget.MarkCalculated(source);
    for (const auto& [label, amount] : rows)
      budget.SetCalculated(kSectionOperating, label, amount, source, true);
    budget.RemoveStale();
  }
  std::string Operating() { return Labels(kSectionOperating, true); }
};

TEST_F(CalculatedRows, OperatingInterestFollowsOperatingCostsAndTheDialog) {
  Add(kSectionOperating, "Feed", kKindTotal, 300);
  Add(kSectionOperating, "Salt", kKindTotal, 200);
  Add(kSectionOwnership, "Taxes", kKindTotal, 1000);
  budget.interestRate = 8;
  budget.interestTerm = 6;
  budget.UpdateOperatingInterest(false);
  EXPECT_EQ(Operating(), "Feed=300.0;Salt=200.0;") << "edits alone never create the row";
  budget.UpdateOperatingInterest(true);
  EXPECT_EQ(Operating(), "Feed=300.0;Salt=200.0;Operating Interest=20.00;");

  std::string message;
  budget.SetValue(5, 6, "400", &message);  // Feed
  EXPECT_EQ(Operating(), "Feed=400.0;Salt=200.0;Operating Interest=24.00;");
  budget.interestTerm = 7;
  budget.SetValue(kIdcEditTitleOrPhone, 0, "Cow-calf", &message);
  EXPECT_DOUBLE_EQ(budget.sections[kSectionOperating]->next->next->value, 0.08 * 600 * 7 / 12)
      << "stored unrounded";

  FakeDialog dialog;  // unreadable numbers change nothing
  for (const auto& [rate, term] : {std::pair("abc", "6"), {"9", "-"}}) {
    dialog.items = {{1085, rate}, {1087, term}};
    EXPECT_FALSE(budget.SetInterestFromDialog(dialog));
  }
  EXPECT_EQ(platform.TakeMessages(), (std::vector<std::string>{"Problem with 'Interest Rate' field",
                                                               "Problem with 'Interest Term' field"}));
  EXPECT_EQ(std::pair(budget.interestRate, budget.interestTerm), std::pair(8.0, 7.0));
  dialog.items = {{1085, "8.5 %"}, {1087, "12345678901234567"}};
  EXPECT_TRUE(budget.SetInterestFromDialog(dialog));
  EXPECT_EQ(std::pair(budget.interestRate, budget.interestTerm), std::pair(8.5, 12345678901234.0))
      << "fourteen characters are read";
  dialog.items = {{1085, ""}, {1087, "6"}};
  EXPECT_TRUE(budget.SetInterestFromDialog(dialog));
  budget.UpdateOperatingInterest(true);
  EXPECT_EQ(Operating(), "Feed=400.0;Salt=200.0;") << "no rate, no row";

  // A user's line of the same name is no interest row.
  budget.sections[kSectionOperating]->next->label = "Operating Interest";
  budget.interestRate = 12;
  budget.interestTerm = 12;
  budget.UpdateOperatingInterest(true);
  EXPECT_EQ(Operating(), "Feed=400.0;Operating Interest=200.0;Operating Interest=72.00;");
}

TEST_F(CalculatedRows, RefreshesUpdateInPlaceAppendAndSweep) {
  Add(kSectionOperating, "Hay", kKindTotal, 10);
  Refresh(kSourceExpense, {{"Feed", 100}, {"Fuel", 40}});
  Add(kSectionOperating, "Salt", kKindQuantity, 1, 2).source = kSourceExpense;  // pasted
  Refresh(kSourceExpense, {{"Feed", 110}, {"FEED", 120}, {"salt", 30}});
  EXPECT_EQ(Operating(), "Hay=10.00;FEED=120.0;salt=30.00;") << "case-insensitive match";
  EXPECT_EQ(budget.sections[kSectionOperating]->next->next->kind, kKindTotal);

  Add(kSectionOperating, "salt", kKindTotal, 30).source = kSourceExpense;  // pasted twice
  Add(kSectionOperating, "Group", kKindHeading, -1).source = kSourceExpense;
  Refresh(kSourceExpense, {{"Salt", 35}});
  EXPECT_EQ(Operating(), "Hay=10.00;Salt=35.00;Group=-1.00;") << "headings are never swept";
  EXPECT_FALSE(budget.SetCalculated(kSectionOwnership, "Salt", 5, kSourceExpense, false));
  EXPECT_EQ(budget.CountLines(kSectionOwnership), 0) << "found in its own section only";
  EXPECT_TRUE(budget.SetCalculated(kSectionOwnership, std::string(40, 'M'), 5, kSourceMachine, true));
  EXPECT_FALSE(budget.SetCalculated(kSectionOwnership, std::string(40, 'm'), 6, kSourceMachine, true))
      << "a long label finds the row it made";
  EXPECT_EQ(Labels(kSectionOwnership), std::string(32, 'm') + ";");
}

}  // namespace
