// A line's figures, typed cells and markup; a budget's header, names, markup and copies.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>

#include "budget_fixture.h"
#include "text/tag_buffer.h"
#include "text/money.h"

namespace {

using Budget = BudgetFixture;

TEST(Money, RoundsHalfUpAndNeverShowsNegativeZeroOrNonNumbers) {
  EXPECT_DOUBLE_EQ(RoundCents(0.125), 0.13);
  EXPECT_EQ(RoundCents(1.7e307), kBlank);
  EXPECT_EQ(FormatMoney(0.3 - 0.1 - 0.2) + "|" + FormatMoney(-125.4) + "|" + FormatMoneyOrBlank(-0.001),
            "$ 0.00|$ -125.40|");
  EXPECT_EQ(FormatMoney(std::numeric_limits<double>::infinity()) + FormatMoney(std::nan("")), "");
}

TEST_F(Budget, LineTotalAndPerUnitByKind) {
  const std::tuple<const char*, LineKind, double, double, double, int, double, double> cases[] = {
      // Quantities, weights and totals of a budget with animals show in the golden files.
      {"label-only counts like quantity", kKindLabelOnly, 8, 20, -1, 10, 160, 16},
      {"per animal, N unspecified", kKindPerAnimal, 74.25, -1, -1, -1, -1, 74.25},
      {"heading", kKindHeading, 300, 2, 2, 4, -1, -1},
      // No animals: totals stand, per-unit values are blank rather than inf or nan.
      {"total, no animals", kKindTotal, 300, -1, -1, 0, 300, -1},
      {"per animal, no animals", kKindPerAnimal, 74.25, -1, -1, 0, 0, 74.25},
      {"quantity, no animals", kKindQuantity, 12.5, 10, -1, 0, 125, -1},
      {"overflowing product", kKindQuantity, 1e300, 1e300, -1, 10, -1, -1}};
  for (const auto& [name, kind, value, quantity, weight, n, total, perUnit] : cases) {
    const CBudgetLine& line = Add(kSectionReturns, name, kind, value, quantity, weight);
    EXPECT_DOUBLE_EQ(line.GetTotal(n), total) << name;
    EXPECT_DOUBLE_EQ(line.GetPerUnit(n), perUnit) << name;
  }
}

TEST_F(Budget, HeadingSubtotalsStopAtTheNextHeading) {
  const CBudgetLine& heading = Add(kSectionOperating, "Feed", kKindHeading, -1);
  EXPECT_EQ(heading.GetHeadingTotal(10), -1) << "nothing under it";
  Add(kSectionOperating, "Hay", kKindQuantity, -1, 3);
  EXPECT_DOUBLE_EQ(heading.GetHeadingTotal(10), 0) << "only blank lines";
  Add(kSectionOperating, "Salt", kKindTotal, 100.004);
  Add(kSectionOperating, "Health", kKindHeading, -1);
  Add(kSectionOperating, "Shots", kKindTotal, 55);
  EXPECT_DOUBLE_EQ(heading.GetHeadingTotal(10), 100);
  EXPECT_DOUBLE_EQ(heading.GetHeadingPerUnit(10), 10);
}

TEST(BudgetLine, EachTypedColumnSetsItsFieldAndKind) {
  const std::tuple<int, double CBudgetLine::*, LineKind> cases[] = {
      {2, &CBudgetLine::weight, kKindQuantity}, {4, &CBudgetLine::quantity, kKindQuantity},
      {5, &CBudgetLine::value, kKindQuantity},  {6, &CBudgetLine::value, kKindTotal},
      {7, &CBudgetLine::value, kKindPerAnimal}};
  for (const auto& [column, field, kind] : cases) {
    CBudgetLine line;
    line.units = "cwt";
    line.quantity = 9;
    EXPECT_TRUE(line.SetValue(column, "$1,250.50", nullptr));
    EXPECT_DOUBLE_EQ(line.*field, 1250.5) << column;
    EXPECT_EQ(line.kind, kind) << column;
    EXPECT_EQ(line.units.empty(), kind != kKindQuantity) << "totals drop units";
    EXPECT_EQ(line.quantity == -1, kind != kKindQuantity) << "and the quantity";
  }
  CBudgetLine line;  // texts are cut to whole characters
  EXPECT_TRUE(line.SetValue(1, std::string(40, 'x'), nullptr));
  EXPECT_EQ(line.kind, kKindLabelOnly);
  const std::string accented = "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";
  EXPECT_TRUE(line.SetValue(3, accented + "!", nullptr));
  EXPECT_EQ(line.label + "|" + line.units, std::string(32, 'x') + "|" + accented);
  EXPECT_FALSE(line.SetValue(8, "5", nullptr));
}

TEST(BudgetLine, LongChainsAreFreedWithoutDeepRecursion) {
  CCropBudget budget;
  LineSlot* tail = &budget.sections[0];
  for (int i = 0; i < 200000; ++i, tail = &(*tail)->next) *tail = std::make_unique<CBudgetLine>();
  std::unique_ptr<CCropBudget>* budgetTail = &budget.next;
  for (int i = 0; i < 100000; ++i, budgetTail = &(*budgetTail)->next)
    *budgetTail = std::make_unique<CCropBudget>();
  EXPECT_EQ(budget.CountLines(3), 200000);
}  // the destructors run here

// The command-line round trip checks written markup byte for byte; this checks
// what lines it does not hold read back as.
TEST(BudgetLine, MarkupReadsBackByKind) {
  const std::tuple<LineKind, std::string, std::string, LineKind, std::int32_t> cases[] = {
      {kKindLabelOnly, "Idea", "", kKindQuantity, kSourceNone},
      {kKindHeading, "", "", kKindQuantity, kSourceNone},  // an empty HEADING is missing
      {kKindHeading, "Feed", "", kKindHeading, kSourceNone},
      {kKindPerAnimal, "a<b </LABEL> & &lt;", "machine", kKindPerAnimal, kSourceMachine},
      {kKindTotal, "Tractor", "TRACTOR", kKindTotal, kSourceNone}};
  for (const auto& [kind, label, autoWord, readKind, readSource] : cases) {
    CBudgetLine original;
    original.kind = kind;
    original.label = label;
    CTagBuffer buffer;
    original.WriteTags(buffer, "ROW", {});
    const std::string text = std::string(buffer.View()) + "<AUTO>" + autoWord + "</AUTO>";
    CBudgetLine read;
    read.ReadTags(text, 0, text.size());
    EXPECT_EQ(std::tie(read.kind, read.label, read.value, read.source),
              std::tuple(readKind, label, -1.0, readSource)) << text;
  }
  const std::string longTexts = "<LABEL>" + std::string(40, 'L') + "</LABEL><UNITS>0123456789</UNITS>";
  CBudgetLine line;
  line.ReadTags(longTexts, 0, longTexts.size());
  EXPECT_EQ(line.label + line.units, std::string(32, 'L') + "01234567");
}

TEST_F(Budget, HeaderFieldsAndNames) {
  std::string message;
  budget.SetValue(kIdcEditIdOrName, 0, "CC-09-LONGER-ID", &message);
  budget.SetValue(kIdcEditFootnote, 0, std::string(600, 'f'), &message);
  budget.SetValue(kIdcComboHerdUnit, 0, "Heifer calves", &message);
  budget.SetValue(kIdcEditUnits, 0, "120 cows", &message);
  EXPECT_EQ(budget.publicationId + "|" + budget.herdUnitName + "|" + std::to_string(budget.numUnits),
            "CC-09-LONGER|Heifer calve|120");
  EXPECT_EQ(budget.footnote, std::string(512, 'f'));
  EXPECT_EQ(message, "");

  const std::tuple<const char*, const char*, int, const char*, const char*> cases[] = {
      {"Cow-calf", "", 120, "Cow", "Cow-calf|Untitled Tab|120 Cow"},
      {"Cow-calf", "CC-09", -1, "", "Cow-calf (CC-09)|CC-09|"},
      {"", "CC-09", 0, "", "CC-09|CC-09|0"},
      {"", "", -1, "", "Untitled Budget|Untitled Tab|"}};
  for (const auto& [title, id, n, unit, expected] : cases) {
    budget.title = title;
    budget.publicationId = id;
    budget.numUnits = n;
    budget.herdUnitName = unit;
    EXPECT_EQ(budget.GetDisplayName() + "|" + budget.GetFieldText(kIdcEditIdOrName) + "|" +
                  budget.GetFieldText(kIdcEditUnits),
              expected);
  }
}

TEST(CropBudget, RowsMayStandInAnyOrderAndMissingNumbersAreBlank) {
  const std::string scattered =
      "<OWNERSHIPROW><LABEL>Tax</LABEL></OWNERSHIPROW><RECEIPTROW><LABEL>A</LABEL></RECEIPTROW>"
      "<OPERATINGROW><LABEL>Hay</LABEL></OPERATINGROW><RECEIPTROW><LABEL>B</LABEL></RECEIPTROW>";
  CCropBudget budget;
  budget.ReadTags(scattered, 0, scattered.size());
  EXPECT_EQ(budget.sections[kSectionReturns]->next->label, "B");
  EXPECT_EQ(budget.CountLines(3), 4);
  EXPECT_EQ(budget.interestRate + budget.interestTerm + budget.numUnits, -3);
}

TEST_F(Budget, MarginAndCopy) {
  budget.numUnits = 10;
  budget.herdUnitName = "Cow";
  Add(kSectionReturns, "Calves", kKindQuantity, 15, 9, 5.5);
  Add(kSectionOperating, "Feed", kKindTotal, 300);
  budget.SetCalculated(kSectionOwnership, "Machinery Interest", 90, kSourceMachine, true);
  double returns = 0, operating = 0, margin = 0;
  budget.GetPerUnitMargin(&returns, &operating, &margin);
  EXPECT_DOUBLE_EQ(margin, 74.25 - 30);
  CCropBudget copy;
  copy.AppendLine(kSectionOwnership).label = "replaced";
  copy.CopyFrom(budget);
  EXPECT_EQ(copy.numUnits, 10);
  EXPECT_EQ(copy.herdUnitName, "") << "the herd unit is not copied";
  EXPECT_EQ(copy.CountLines(3), 3);
  const CBudgetLine& copied = *copy.sections[kSectionOwnership];
  EXPECT_EQ(std::pair(copied.value, copied.source), std::pair(90.0, +kSourceNone)) << "an ordinary line";
}

}  // namespace
