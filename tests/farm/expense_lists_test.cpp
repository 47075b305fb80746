// The general farm expense lists: lines, defaults, the document file, budgets.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "platform/clipboard_transfer.h"
#include "text/tag_buffer.h"
#include "app/default_expenses.h"
#include "document/worksheet.h"
#include "farm/expense_lists.h"
#include "headless/headless_platform.h"
#include "reports/whole_farm_fixture.h"

namespace {

std::string Tags(const CBudgetWorksheet& worksheet) {
  CTagBuffer buffer;
  worksheet.WriteTags(buffer);
  return std::string(buffer.View());
}

std::string Labels(const CExpenseLne* line) {
  std::string labels;
  for (; line; line = line->next.get()) labels += (line->heading ? "H:" : "") + line->label + ";";
  return labels;
}

CExpenseLne& Append(std::unique_ptr<CExpenseLne>& head, std::string_view label, bool heading,
                    double total = -1) {
  CExpenseLne& line = AppendRecord(head, label, heading);
  line.total = total;
  return line;
}

std::string SectionValues(const CCropBudget& budget, int section) {
  std::string text;
  for (const CBudgetLine* line = budget.sections[section].get(); line; line = line->next.get()) {
    text += line->label + "=" + std::to_string(line->value).substr(0, 6) + ";";
  }
  return text;
}

class ExpenseLists : public ::testing::Test {
 protected:
  HeadlessPlatform platform;
  ScopedPlatform installed{platform};
  CBudgetWorksheet worksheet;
};

// The default ownership list shows whole in the golden scripts.
TEST_F(ExpenseLists, DefaultsAreBuiltOnceAndSkippedForAnOpenedDocument) {
  EXPECT_EQ(worksheet.SetDefaultExpenses(), 1);
  EXPECT_EQ(Labels(worksheet.lists.pOperatingExpenses.get()),
            "H:Repairs;Enter repair items here;H:Fuel;Enter fuel items here;H:Labor;"
            "Enter labor items here;");
  EXPECT_EQ(worksheet.SetDefaultExpenses(), 0);
  worksheet.Clear();
  Append(worksheet.lists.pOwnershipExpenses, "Own", true);
  App_SetDefaultExpenses(worksheet);
  EXPECT_FALSE(worksheet.lists.pOperatingExpenses);
  EXPECT_EQ(worksheet.SetDefaultExpenses(), 0);
  EXPECT_EQ(platform.TakeMessages(),
            std::vector<std::string>(2, "Called CBudgetWorksheet::SetDefaultExpenses with non-NULL "
                                        "pOperatingExpenses or pOwnershipExpenses."));
  EXPECT_EQ(Labels(worksheet.lists.pOwnershipExpenses.get()), "H:Own;");
}

TEST_F(ExpenseLists, SetValueFillsOneFieldUpToTheLastSlotAndRefusesOtherColumns) {
  CExpenseLne line;
  std::string message;
  EXPECT_TRUE(line.SetValue({}, 3, "12.5%", &message));
  EXPECT_TRUE(line.SetValue({}, 22, "7", &message));
  EXPECT_TRUE(line.SetValue({}, 1, std::string(40, 'x'), &message));
  EXPECT_EQ(line.label, std::string(32, 'x'));
  EXPECT_EQ(std::tuple(line.total, line.allocation[0], line.allocation[1], line.allocation[19]),
            std::tuple(-1.0, 12.5, -1.0, 7.0));
  for (int column : {0, 23, -1}) {
    EXPECT_FALSE(line.SetValue({}, column, "5", &message));
    EXPECT_EQ(platform.TakeMessages(),
              std::vector<std::string>{"Invalid nCol in CExpenseLne::SetValue " +
                                       std::to_string(column)});
  }
  EXPECT_EQ(message, "");
}

// Row texts of headings and items are held by the whole-farm text tests.
TEST_F(ExpenseLists, HeadingValueSumsItsGroupOnly) {
  std::unique_ptr<CExpenseLne> list;
  CExpenseLne& repairs = Append(list, "Repairs", true);
  CExpenseLne& a = Append(list, "a", false, 1000);
  a.allocation[0] = 50;
  a.allocation[1] = 25;
  Append(list, "b", false, -1).allocation[0] = 50;
  CExpenseLne& c = Append(list, "c", false, 200);
  c.allocation[1] = -5;
  c.allocation[19] = 10;
  CExpenseLne& empty = Append(list, "", true);
  CExpenseLne& fuel = Append(list, "Fuel", true);
  Append(list, "z", false, 0).allocation[0] = 50;
  Append(list, "Other", true);

  const std::vector<std::tuple<const CExpenseLne*, int, double>> cases = {
      {&repairs, -1, 1200}, {&repairs, 0, 500}, {&repairs, 1, 250}, {&repairs, 19, 20},
      {&repairs, 20, -1},   {&repairs, -2, -1}, {&a, 0, -1},        {&empty, 0, -1},
      {&fuel, 0, 0},
  };
  for (const auto& [line, k, expected] : cases) {
    EXPECT_DOUBLE_EQ(line->GetHeadingValue(k), expected) << line->label << " " << k;
  }
  EXPECT_DOUBLE_EQ(a.GetTotalDistribution(2), 75);
  EXPECT_DOUBLE_EQ(c.GetTotalDistribution(2), 0);
  EXPECT_DOUBLE_EQ(c.GetTotalDistribution(25), 10);
}

TEST_F(ExpenseLists, DocumentRoundTripIsByteExactAndInOrder) {
  worksheet.GetBudget(2, true);
  worksheet.SetDefaultExpenses();
  CExpenseLne& item = *worksheet.lists.pOperatingExpenses->next;
  item.total = 1234.5;
  item.allocation = {10, 20, 30};
  item.label = "Oil <5W>";
  worksheet.lists.pOwnershipExpenses->label.clear();
  worksheet.lists.pVeterinaryCosts = std::make_unique<CVeterinaryCost>();
  worksheet.lists.pVeterinaryCosts->label = "Wormer";

  const std::string saved = Tags(worksheet);
  EXPECT_NE(saved.find("<OPERATINGEXPENSE>\r\n\t<LABEL>Oil <5W></LABEL>\r\n\t<TOTAL>1234.5000"
                       "</TOTAL>\r\n\t\t<ALLOCATION>10.00</ALLOCATION>\r\n\t\t<ALLOCATION>20.00"
                       "</ALLOCATION>\r\n\t\t<ALLOCATION>30.00</ALLOCATION>\r\n"
                       "</OPERATINGEXPENSE>\r\n"),
            std::string::npos);
  EXPECT_NE(saved.find("<OWNERSHIPEXPENSE>\r\n\t<HEADING></HEADING>\r\n</OWNERSHIPEXPENSE>"),
            std::string::npos);
  EXPECT_LT(saved.rfind("</LIVESTOCKBUDGET>"), saved.find("<OPERATINGEXPENSE>"));
  EXPECT_LT(saved.rfind("</OPERATINGEXPENSE>"), saved.find("<OWNERSHIPEXPENSE>"));
  EXPECT_LT(saved.rfind("</OWNERSHIPEXPENSE>"), saved.find("<VETERINARYCOST>"));

  CBudgetWorksheet reopened;
  ASSERT_TRUE(reopened.ReadTags(saved));
  EXPECT_EQ(Tags(reopened), saved);
  EXPECT_EQ(reopened.lists.pOwnershipExpenses->heading, 1);
  EXPECT_EQ(reopened.lists.pOperatingExpenses->next->label, "Oil <5W>");
}

TEST_F(ExpenseLists, DeletingABudgetShiftsTheSlotsOfEveryList) {
  worksheet.GetBudget(2, true);
  Append(worksheet.lists.pOperatingExpenses, "op", false, 100).allocation = {10, 20, 30};
  Append(worksheet.lists.pOwnershipExpenses, "own", false, 100).allocation = {10, 20, 30};
  worksheet.lists.pVeterinaryCosts = std::make_unique<CVeterinaryCost>();
  worksheet.lists.pVeterinaryCosts->allocation = {10, 20, 30};
  worksheet.lists.pVeterinaryCosts->allocation[19] = 5;
  WholeFarmLists& lists = worksheet.lists;
  lists.pMachinery = std::make_unique<CBudgetMachine>();
  lists.pBuildings = std::make_unique<CBudgetMachine>();
  lists.pPurchasedLivestock = std::make_unique<CLivestockInvestment>();
  lists.pRetainedLivestock = std::make_unique<CLivestockInvestment>();
  for (AllocationSlots* slots : {&lists.pMachinery->allocation, &lists.pBuildings->allocation,
                                 &lists.pPurchasedLivestock->allocation,
                                 &lists.pRetainedLivestock->allocation}) {
    *slots = {10, 20, 30};
    (*slots)[19] = 5;
  }
  ASSERT_TRUE(worksheet.DeleteBudget(1));
  for (const AllocationSlots* slots :
       {&lists.pOperatingExpenses->allocation, &lists.pOwnershipExpenses->allocation,
        &lists.pMachinery->allocation, &lists.pBuildings->allocation,
        &lists.pPurchasedLivestock->allocation, &lists.pRetainedLivestock->allocation,
        &lists.pVeterinaryCosts->allocation}) {
    EXPECT_EQ((*slots)[0], 10);
    EXPECT_EQ((*slots)[1], 30);
    EXPECT_EQ((*slots)[19], -1);
  }
}

TEST_F(ExpenseLists, CalculatedValuesAreCreatedRefreshedAndRemoved) {
  worksheet.GetBudget(1, true);
  CCropBudget& first = *worksheet.GetBudget(0);
  first.AppendLine(kSectionOperating).label = "FEED";
  first.sections[kSectionOperating]->value = 5;
  // An earlier calculated row merges whatever the case of its label.
  first.sections[kSectionOperating]->source = kSourceExpense;
  Append(worksheet.lists.pOperatingExpenses, "stray", false, 10).allocation[0] = 100;
  Append(worksheet.lists.pOperatingExpenses, "Feed", true);
  Append(worksheet.lists.pOperatingExpenses, "hay", false, 400).allocation = {50, 25};
  Append(worksheet.lists.pOperatingExpenses, "", true);
  Append(worksheet.lists.pOperatingExpenses, "salt", false, 100).allocation = {-1, 10};
  Append(worksheet.lists.pOwnershipExpenses, "stray", false, 10);
  Append(worksheet.lists.pOwnershipExpenses, "Fees", true);
  Append(worksheet.lists.pOwnershipExpenses, "tax", false, 60).allocation = {100, 0};

  SetCalculatedExpenseValues(worksheet.Farm());
  EXPECT_EQ(platform.TakeMessages(),
            std::vector<std::string>{"Values without a heading will not be copied over. \nRight "
                                     "click on a value to add a heading."});
  EXPECT_EQ(SectionValues(first, kSectionOperating), "Feed=200.00;");
  EXPECT_EQ(SectionValues(*worksheet.GetBudget(1), kSectionOperating),
            "Feed=100.00;Operating Expense 4=10.000;");
  EXPECT_EQ(SectionValues(first, kSectionOwnership), "Fees=60.000;");
  EXPECT_EQ(SectionValues(*worksheet.GetBudget(1), kSectionOwnership), "");

  worksheet.lists.pOperatingExpenses->next->next->total = 0;
  worksheet.lists.pOwnershipExpenses.reset();
  SetCalculatedExpenseValues(worksheet.Farm());
  EXPECT_EQ(SectionValues(first, kSectionOperating), "");
  EXPECT_EQ(SectionValues(*worksheet.GetBudget(1), kSectionOperating),
            "Operating Expense 4=10.000;");
  EXPECT_EQ(SectionValues(first, kSectionOwnership), "");
  EXPECT_EQ(platform.TakeMessages().size(), 1u);

  // A stray ownership value warns when the operating list did not.
  worksheet.lists.pOperatingExpenses = std::move(worksheet.lists.pOperatingExpenses->next);
  Append(worksheet.lists.pOwnershipExpenses, "stray", false, 10);
  SetCalculatedExpenseValues(worksheet.Farm());
  EXPECT_EQ(platform.TakeMessages().size(), 1u);
}

TEST_F(ExpenseLists, MoreBudgetsThanSlotsKeepTheExtraBudgetsSafe) {
  worksheet.GetBudget(20, true);
  ASSERT_EQ(worksheet.CountBudgets(), 21);
  worksheet.GetBudget(20)->AppendLine(kSectionOperating).label = "kept";
  Append(worksheet.lists.pOperatingExpenses, "All", true);
  CExpenseLne& item = Append(worksheet.lists.pOperatingExpenses, "x", false, 100);
  item.allocation.fill(5);
  SetCalculatedExpenseValues(worksheet.Farm());
  EXPECT_EQ(SectionValues(*worksheet.GetBudget(19), kSectionOperating), "All=5.0000;");
  EXPECT_EQ(SectionValues(*worksheet.GetBudget(20), kSectionOperating), "kept=-1.000;");

  const std::string saved = Tags(worksheet);
  std::size_t slots = 0;
  for (std::size_t at = saved.find("<ALLOCATION>"); at != std::string::npos;
       at = saved.find("<ALLOCATION>", at + 1))
    ++slots;
  EXPECT_EQ(slots, 20u);
  std::string text;
  item.GetRowText(text, {0, 21});
  // The 21st budget gets an empty field, not a slot of its own.
  EXPECT_EQ(text.substr(text.size() - 8), "\t5.00 %\t");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 22);
  EXPECT_TRUE(worksheet.DeleteBudget(20));
  EXPECT_EQ(item.allocation[19], 5);
}

TEST_F(ExpenseLists, HostileElementsReadWithoutHarm) {
  struct Case {
    std::string content;
    std::string label;
    double total;
    double slot19;
  };
  std::string many;
  for (int i = 0; i < 25; ++i) many += "<ALLOCATION>" + std::to_string(i) + "</ALLOCATION>";
  const std::vector<Case> cases = {
      {"<LABEL>" + std::string(100, 'L') + "</LABEL><TOTAL>" + std::string(40, '9') + "</TOTAL>",
       std::string(32, 'L'), -1, -1},
      {"<TOTAL>1e400</TOTAL><ALLOCATION>99999999999999999999999999999999999999</ALLOCATION>", "",
       -1, -1},
      {many, "", -1, 19},
      {"<ALLOCATION>5", "", -1, -1},
      {"<TOTAL></TOTAL><LABEL>", "", -1, -1},
  };
  for (const Case& c : cases) {
    CExpenseLne line;
    ReadListRecord(line, kOperatingExpenseList, TagIndex(c.content, 0, c.content.size()));
    EXPECT_EQ(line.label, c.label) << c.content;
    EXPECT_EQ(line.allocation[19], c.slot19) << c.content;
    EXPECT_TRUE(line.total == c.total || line.total > 1e30 || !(line.total == line.total))
        << c.content;
  }
  // A long document list is freed without deep recursion.
  std::string text = "<?xml version=\"1.0\" ?>\r\n<BUDGETWORKSHEET>\r\n";
  for (int i = 0; i < 200000; ++i) text += "<VETERINARYCOST></VETERINARYCOST>";
  text += "</BUDGETWORKSHEET>\r\n";
  CBudgetWorksheet hostile;
  EXPECT_TRUE(hostile.ReadTags(text));
  hostile.Clear();
  EXPECT_FALSE(hostile.lists.pVeterinaryCosts);
}

TEST_F(ExpenseLists, ClipboardCarriesALineAndRefusesOversizedPayloads) {
  CExpenseLne line;
  line.label = "Fuel";
  line.total = 50;
  line.allocation[0] = 40;
  ASSERT_TRUE(CopyListRecord(line, kOperatingExpenseList, {0, 1}));
  CExpenseLne pasted;
  ASSERT_TRUE(PasteListRecord(pasted, kOperatingExpenseList));
  EXPECT_EQ(std::tuple(pasted.label, pasted.total, pasted.allocation[0], pasted.allocation[1]),
            std::tuple("Fuel", 50.0, 40.0, -1.0));

  MemoryClipboard& clipboard = platform.Memory();
  clipboard.Open(nullptr);
  clipboard.Empty();
  clipboard.Put(std::string(kFormatExpense),
                "<EXPENSELINE><LABEL>Big</LABEL>" + std::string(5000, ' ') + "</EXPENSELINE>");
  clipboard.Close();
  CExpenseLne refused;
  EXPECT_FALSE(PasteListRecord(refused, kOperatingExpenseList));
  EXPECT_EQ(refused.label, "");
}

}  // namespace
