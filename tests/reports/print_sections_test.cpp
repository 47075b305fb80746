// The printed report's sections on the recording device: golden draw lists of
// a page of each kind, and the layout rules the golden pages do not reach.
#include <algorithm>
#include <string>
#include <vector>

#include "capital_fixture.h"
#include "print_fixture.h"
#include "summary_fixture.h"
#include "whole_farm_fixture.h"

namespace {

int Count(const std::string& text, const std::string& what) {
  int count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++count;
  return count;
}

// The recorded calls of each page, "page" line first.
std::vector<std::string> PagesOf(const std::string& calls) {
  std::vector<std::string> pages;
  std::size_t at = calls.find("page\n");
  while (at != std::string::npos) {
    const std::size_t next = calls.find("\npage\n", at);
    pages.push_back(calls.substr(at, next == std::string::npos ? std::string::npos : next - at));
    at = next == std::string::npos ? next : next + 1;
  }
  return pages;
}

class PrintSections : public PrintFixture {};

TEST_F(PrintSections, PagesOfEachKindMatchTheirDrawLists) {
  FillSummaryWorksheet(worksheet);
  worksheet.GetBudget(0)->footnote = "Prices are five-year averages.";
  ExpectGoldenDrawList("whole-farm-summary", Print(kPrintWholeFarmSummary, -1));
  ExpectGoldenDrawList("operating-cost-summary", Print(kPrintOperatingSummary, -1));
  ExpectGoldenDrawList("budget-page", Print(kPrintBudgets, 1));

  CBudgetWorksheet lists;
  FillWholeFarm(worksheet);
  ExpectGoldenDrawList("expenses", Print(kPrintExpenses, -1));
  ExpectGoldenDrawList("veterinary", Print(kPrintVeterinary, -1));
}

TEST_F(PrintSections, CapitalListsMatchTheirDrawListsInEveryForm) {
  FillCapitalLists(worksheet);
  ExpectGoldenDrawList("machinery-detail", Print(kPrintMachinery, kPrintListDetail));
  ExpectGoldenDrawList("buildings-summary", Print(kPrintBuildings, kPrintListSummary));
  ExpectGoldenDrawList("purchased-distributions",
                       Print(kPrintPurchasedLivestock, kPrintListDistributions + 1));
  ExpectGoldenDrawList("retained-detail", Print(kPrintRetainedLivestock, kPrintAllBudgets));
}

TEST_F(PrintSections, CapitalRecordsPrintNamesVerbatimAndOnlyWhatTheyHave) {
  FillCapitalLists(worksheet);
  Print(kPrintMachinery, kPrintListSummary);
  // A percent sign is no format, an empty name a stand-in; a zero price
  // leaves its value blank under the printed label.
  EXPECT_NE(Texts().find("Tractor 100% paid\n"), std::string::npos);
  EXPECT_NE(Texts().find("Unlabelled Machine\nPurchase Price:\nSalvage Value:\n5 years\n"
                         "Useful Life:\nInterest Rate:\nTHILM Rate:\n"),
            std::string::npos);
  EXPECT_EQ(Count(Texts(), "$ 0.00"), 0);

  Print(kPrintRetainedLivestock, kPrintListDetail);
  EXPECT_EQ(Texts().find("Depreciation"), std::string::npos);
  Print(kPrintRetainedLivestock, kPrintListDistributions);
  EXPECT_EQ(Texts().find("Depreciation"), std::string::npos);
  EXPECT_NE(Texts().find("Distributions for CC-09\nAnimal Name\nPercent\nInterest\n"),
            std::string::npos);
  Print(kPrintPurchasedLivestock, kPrintListDistributions + 1);
  EXPECT_NE(Texts().find("Distributions for Budget 2\n"), std::string::npos);
  Print(kPrintBuildings, kPrintListDistributions + 1);
  EXPECT_NE(Texts().find("Distributions for Crop 2\nMachine\nPercent\nSL Depreciation\nInterest\n"
                         "TRIM\n"),
            std::string::npos);
}

TEST_F(PrintSections, TwoCopiesReprintEverySectionFromANewPage) {
  FillSummaryWorksheet(worksheet);
  const std::string calls = Print(kPrintOperatingSummary, -1, 2);
  EXPECT_TRUE(succeeded);
  EXPECT_EQ(Pages(), 2);
  EXPECT_EQ(Count(calls, "start \"Tillwright\""), 1);
  EXPECT_EQ(Count(calls, "\nend\n"), 1);
  EXPECT_EQ(Count(Texts(), "Corvale Herdwright Version 1.95\n"), 2);
  const std::vector<std::string> pages = PagesOf(calls);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0], pages[1].substr(0, pages[0].size()));
}

TEST_F(PrintSections, ALongBudgetContinuesWithoutHeadingsAndEndsWithTheFooter) {
  CCropBudget& budget = *worksheet.GetBudget(0, true);
  budget.title = "Stockers";
  for (int i = 0; i < 150; ++i) {
    CBudgetLine& line = budget.AppendLine(kSectionOperating);
    line.label = "Cost " + std::to_string(i);
    line.kind = kKindTotal;
    line.value = 10;
  }
  const std::vector<std::string> pages = PagesOf(Print(kPrintBudgets, -1));
  ASSERT_EQ(pages.size(), 3u);
  for (std::size_t i = 1; i < pages.size(); ++i) {
    EXPECT_EQ(pages[i].find("Stockers"), std::string::npos);
    EXPECT_EQ(pages[i].find("Production"), std::string::npos);
    // The first line of a continuation page stands at its top.
    EXPECT_NE(pages[i].find(" -720 "), std::string::npos);
  }
  EXPECT_EQ(Count(Texts(), "Corvale Herdwright Version"), 1);
  EXPECT_NE(pages.back().find("Corvale Herdwright Version"), std::string::npos);
}

TEST_F(PrintSections, TheFooterFollowsCloseOrBreaksThePageRatherThanLeaveThePaper) {
  // One operating cost category a line, from y = -1820 down: 63 leave 700
  // twips, room for the rule a third of a line below the last line and the
  // two lines under it; 64 leave 500, too little.
  const auto categories = [this](int count) {
    worksheet.Clear();
    CCropBudget& budget = *worksheet.GetBudget(0, true);
    for (int i = 0; i < count; ++i) {
      CBudgetLine& line = budget.AppendLine(kSectionOperating);
      line.label = "Cost " + std::to_string(100 + i);
      line.kind = kKindHeading;
    }
    return PagesOf(Print(kPrintOperatingSummary, -1));
  };
  std::vector<std::string> pages = categories(63);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NE(pages[0].find("text 200 -14220 left \"Cost 162\"\n"
                          "line 5595 -14486 11204 -14486\n"
                          "text 11125 -14552 right \"File: ranch.vqn   Date Changed: 3/14/2024\"\n"
                          "text 11125 -14752 right \"Corvale Herdwright Version 1.95\"\n"),
            std::string::npos);
  pages = categories(64);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_NE(pages[0].find("\"Cost 163\""), std::string::npos);
  EXPECT_EQ(pages[1], "page\nline 5595 -14520 11204 -14520\n"
                      "text 11125 -14586 right \"File: ranch.vqn   Date Changed: 3/14/2024\"\n"
                      "text 11125 -14786 right \"Corvale Herdwright Version 1.95\"\n"
                      "end page\nend\n");
}

TEST_F(PrintSections, LongLabelsNeverRunIntoTheirAmounts) {
  CCropBudget& budget = *worksheet.GetBudget(0, true);
  budget.numUnits = 10;
  CBudgetLine& line = budget.AppendLine(kSectionReturns);
  line.label = "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
  line.kind = kKindQuantity;
  line.weight = 5.5;
  line.units = "cwt";
  line.quantity = 10;
  line.value = 180;
  const std::string calls = Print(kPrintBudgets, 1);
  // The label takes a line of its own, whole, and the amounts the next.
  const std::size_t label = calls.find("left \"WWWW");
  ASSERT_NE(label, std::string::npos);
  const std::size_t weight = calls.find("right \"5.50\"", label);
  ASSERT_NE(weight, std::string::npos);
  const std::string labelLine = calls.substr(calls.rfind("text", label), label - calls.rfind("text", label));
  const std::string weightLine = calls.substr(calls.rfind("text", weight), weight - calls.rfind("text", weight));
  EXPECT_NE(labelLine.substr(labelLine.find(' ', 5)), weightLine.substr(weightLine.find(' ', 5)));
  EXPECT_NE(Texts().find(line.label + "\n"), std::string::npos);
}

TEST_F(PrintSections, ALongSummaryNamePutsTheTitleOnALineOfItsOwn) {
  FillSummaryWorksheet(worksheet);
  CCropBudget& budget = *worksheet.GetBudget(0);
  budget.title = "Cow-calf herd, fall calving, leased range";  // 41 with its ID
  Print(kPrintWholeFarmSummary, -1);
  EXPECT_NE(Texts().find("Cow-calf herd, fall calving, leased range\n10\n$ 1000.00\n$ 500.50\n"
                         "$ 499.50\nCC-09\n"),
            std::string::npos);
  // Budgets without a herd size print no number of animals.
  EXPECT_NE(Texts().find("$ 0.00\n$ 300.00\n$ -300.00\nUntitled Budget\n"), std::string::npos);
}

TEST_F(PrintSections, BudgetPagesSayWhatIsNotSpecifiedAndSkipWhatIsNotThere) {
  FillSummaryWorksheet(worksheet);
  Print(kPrintBudgets, 2);
  EXPECT_EQ(Pages(), 1);
  EXPECT_NE(Texts().find("Number of Animals or Herd Units:\nNot specified\n"), std::string::npos);
  EXPECT_EQ(Texts().find("Budget / Publication ID:"), std::string::npos);
  EXPECT_NE(Texts().find("per Herd Unit\n"), std::string::npos);
  Print(kPrintBudgets, 4);
  EXPECT_EQ(Pages(), 0);
  EXPECT_TRUE(succeeded);
}

TEST_F(PrintSections, AFootnoteLongerThanAPageGoesOnToTheNext) {
  CCropBudget& budget = *worksheet.GetBudget(0, true);
  budget.footnote = std::string(100, '\n') + "The last line.";
  const std::vector<std::string> pages = PagesOf(Print(kPrintBudgets, 1));
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].find("Footnote:"), std::string::npos);
  EXPECT_NE(pages[1].find("text 200 -720 left \"Footnote:\""), std::string::npos);
  EXPECT_NE(pages[2].find("The last line."), std::string::npos);
}

TEST_F(PrintSections, ExpensesPrintTheBudgetsThreeAtATime) {
  for (int k = 0; k < 7; ++k) worksheet.GetBudget(k, true);
  FillWholeFarm(worksheet);
  const std::vector<std::string> pages = PagesOf(Print(kPrintExpenses, -1));
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_NE(pages[0].find("\"Budgets 1 to 3\""), std::string::npos);
  EXPECT_NE(pages[1].find("\"Budgets 4 to 6\""), std::string::npos);
  EXPECT_NE(pages[2].find("\"Budget 7\""), std::string::npos);
  EXPECT_NE(pages[2].find("\"Crop 7\""), std::string::npos);
  EXPECT_EQ(Count(Texts(), "Corvale Herdwright Version"), 1);

  // Three budgets or fewer: no group line; one budget: none for veterinary costs.
  worksheet.Clear();
  worksheet.GetBudget(2, true);
  FillWholeFarm(worksheet);
  Print(kPrintExpenses | kPrintVeterinary, -1);
  EXPECT_EQ(Texts().find("Budgets "), std::string::npos);
  EXPECT_NE(Texts().find("Veterinary Costs\nBudget 3\n"), std::string::npos);
  worksheet.Clear();
  worksheet.GetBudget(0, true);
  Print(kPrintVeterinary, -1);
  EXPECT_NE(Texts().find("Veterinary Costs\nCost per\n"), std::string::npos);
}

TEST_F(PrintSections, OnlyTheFirstTwentyBudgetsShareTheListsColumns) {
  for (int k = 0; k < 25; ++k) worksheet.GetBudget(k, true);
  FillWholeFarm(worksheet);
  FillCapitalLists(worksheet);
  Print(kPrintExpenses | kPrintVeterinary | kPrintMachinery, -1);
  EXPECT_NE(Texts().find("Crop 20\n"), std::string::npos);
  EXPECT_EQ(Texts().find("Crop 21"), std::string::npos);
  EXPECT_EQ(Texts().find("Budget 21"), std::string::npos);
  EXPECT_EQ(Count(Texts(), "Veterinary Costs\n"), 20);
}

TEST_F(PrintSections, WithoutBudgetsTheListSectionsStillShowTheirTitle) {
  FillWholeFarm(worksheet);
  worksheet.DeleteBudget(0);
  while (worksheet.budgets) worksheet.budgets = std::move(worksheet.budgets->next);
  const std::vector<std::string> pages = PagesOf(Print(kPrintExpenses | kPrintVeterinary, -1));
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_NE(pages[0].find("\"General Farm/Ranch Expenses\""), std::string::npos);
  EXPECT_NE(pages[0].find("Corvale Herdwright Version"), std::string::npos);
  EXPECT_NE(pages[1].find("\"Veterinary Costs\""), std::string::npos);
}

TEST_F(PrintSections, TheFooterNamesTheFileOrSaysUntitled) {
  worksheet.GetBudget(0, true);
  Print(kPrintBudgets, -1, 1, {"", "7/4/2025"});
  EXPECT_NE(Texts().find("Untitled, Date: 7/4/2025\n"), std::string::npos);
  // A name too long for the line gives way before the date does.
  Print(kPrintBudgets, -1, 1, {std::string(300, 'n') + ".vqn", "7/4/2025"});
  const std::size_t file = Texts().find("File: nnn");
  ASSERT_NE(file, std::string::npos);
  const std::string line = Texts().substr(file, Texts().find('\n', file) - file);
  EXPECT_NE(line.find("...   Date Changed: 7/4/2025"), std::string::npos);
  EXPECT_LT(line.size(), 200u);
}

}  // namespace
