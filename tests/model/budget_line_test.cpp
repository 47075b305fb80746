// A line's figures, its typed cells, and the rounding and display of amounts.
#include "model/budget_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "model/crop_budget.h"
#include "model/money.h"

namespace {

std::unique_ptr<CBudgetLine> MakeLine(LineKind kind, double value, double quantity = -1,
                                      double weight = -1) {
  auto line = std::make_unique<CBudgetLine>();
  line->kind = kind;
  line->value = value;
  line->quantity = quantity;
  line->weight = weight;
  return line;
}

TEST(Money, RoundsHalfUpAndNeverShowsNegativeZeroOrNonNumbers) {
  EXPECT_DOUBLE_EQ(RoundCents(0.125), 0.13);
  EXPECT_EQ(RoundCents(1.7e307), kBlank);
  EXPECT_EQ(FormatMoney(0.3 - 0.1 - 0.2) + "|" + FormatMoney(-125.4), "$ 0.00|$ -125.40");
  EXPECT_EQ(FormatMoney(std::numeric_limits<double>::infinity()) + FormatMoney(std::nan("")) +
                FormatMoneyOrBlank(-0.001),
            "");
}

TEST(BudgetLineFigures, TotalAndPerUnitByKind) {
  const struct {
    const char* name;
    LineKind kind;
    double value, quantity, weight;
    int n;
    double total, perUnit;
  } cases[] = {
      {"quantity", kKindQuantity, 12.5, 10, -1, 5, 125, 25},
      {"weaned calves", kKindQuantity, 15, 9, 5.5, 10, 742.5, 74.25},
      {"label-only counts like quantity", kKindLabelOnly, 8, 20, -1, 10, 160, 16},
      {"per animal, N unspecified", kKindPerAnimal, 74.25, -1, -1, -1, -1, 74.25},
      {"total", kKindTotal, 300, -1, -1, 4, 300, 75},
      {"heading", kKindHeading, 300, 2, 2, 4, -1, -1},
      // No animals: totals stand, per-unit values are blank rather than inf or nan.
      {"total, no animals", kKindTotal, 300, -1, -1, 0, 300, -1},
      {"per animal, no animals", kKindPerAnimal, 74.25, -1, -1, 0, 0, 74.25},
      {"quantity, no animals", kKindQuantity, 12.5, 10, -1, 0, 125, -1},
      {"overflowing product", kKindQuantity, 1e300, 1e300, -1, 10, -1, -1},
  };
  for (const auto& c : cases) {
    const auto line = MakeLine(c.kind, c.value, c.quantity, c.weight);
    EXPECT_DOUBLE_EQ(line->GetTotal(c.n), c.total) << c.name;
    EXPECT_DOUBLE_EQ(line->GetPerUnit(c.n), c.perUnit) << c.name;
  }
}

TEST(BudgetLineFigures, HeadingSubtotalsStopAtTheNextHeading) {
  auto heading = MakeLine(kKindHeading, -1);
  EXPECT_EQ(heading->GetHeadingTotal(10), -1) << "nothing under it";
  heading->next = MakeLine(kKindQuantity, -1, 3);
  EXPECT_DOUBLE_EQ(heading->GetHeadingTotal(10), 0) << "only blank lines";
  heading->next->next = MakeLine(kKindTotal, 100.004);
  heading->next->next->next = MakeLine(kKindHeading, -1);
  heading->next->next->next->next = MakeLine(kKindTotal, 55);
  EXPECT_DOUBLE_EQ(heading->GetHeadingTotal(10), 100);
  EXPECT_DOUBLE_EQ(heading->GetHeadingPerUnit(10), 10);
}

TEST(BudgetLineSetValue, ColumnsSetFieldsKindsAndMessages) {
  const struct {
    int column;
    std::string text;
    double CBudgetLine::*field;
    double expected;
    LineKind kind;
    const char* message;
  } cases[] = {
      {5, "$1,250.50", &CBudgetLine::value, 1250.5, kKindQuantity, ""},
      {5, "1 1/2", &CBudgetLine::value, 112, kKindQuantity, ""},
      {5, "n/a", &CBudgetLine::value, -1, kKindQuantity, "Problem with 'Price or Total' field"},
      {2, "", &CBudgetLine::weight, -1, kKindQuantity, ""},
      {6, "300", &CBudgetLine::value, 300, kKindTotal, ""},
      {7, "74.25", &CBudgetLine::value, 74.25, kKindPerAnimal, ""},
  };
  for (const auto& c : cases) {
    CBudgetLine line;
    line.units = "cwt";
    line.quantity = 9;
    std::string message;
    EXPECT_TRUE(line.SetValue(c.column, c.text, &message));
    EXPECT_DOUBLE_EQ(line.*c.field, c.expected) << c.text;
    EXPECT_EQ(line.kind, c.kind) << c.text;
    EXPECT_EQ(message, c.message) << c.text;
    EXPECT_EQ(line.units.empty(), c.kind != kKindQuantity) << "totals drop units";
  }
  CBudgetLine line;
  EXPECT_TRUE(line.SetValue(1, std::string(40, 'x'), nullptr));
  EXPECT_EQ(line.label, std::string(32, 'x'));
  EXPECT_EQ(line.kind, kKindLabelOnly);
  EXPECT_TRUE(line.SetValue(3, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9!", nullptr));
  EXPECT_EQ(line.units.size(), 16u) << "eight characters of two bytes";
  EXPECT_FALSE(line.SetValue(8, "5", nullptr));
}

TEST(BudgetLine, LongChainsAreFreedWithoutDeepRecursion) {
  CCropBudget budget;
  LineSlot* tail = &budget.sections[0];
  for (int i = 0; i < 200000; ++i, tail = &(*tail)->next) *tail = std::make_unique<CBudgetLine>();
  std::unique_ptr<CCropBudget>* budgetTail = &budget.next;
  for (int i = 0; i < 100000; ++i, budgetTail = &(*budgetTail)->next) {
    *budgetTail = std::make_unique<CCropBudget>();
  }
  EXPECT_EQ(budget.CountLines(3), 200000);
}  // the destructors run here

}  // namespace
