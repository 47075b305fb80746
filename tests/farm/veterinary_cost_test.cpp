// The veterinary list: treatments, their budget costs and what budgets receive.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/tag_buffer.h"
#include "document/worksheet.h"
#include "farm/veterinary_cost.h"
#include "platform/headless_platform.h"

namespace {

CVeterinaryCost& Append(CBudgetWorksheet& worksheet, std::string_view label, double cost,
                        bool heading = false) {
  std::unique_ptr<CVeterinaryCost>* tail = &worksheet.lists.pVeterinaryCosts;
  while (*tail) tail = &(*tail)->next;
  *tail = std::make_unique<CVeterinaryCost>();
  (*tail)->label = std::string(label);
  (*tail)->cost = cost;
  (*tail)->heading = heading ? 1 : 0;
  return **tail;
}

std::string Operating(CCropBudget& budget) {
  std::string text;
  for (const CBudgetLine* line = budget.sections[kSectionOperating].get(); line;
       line = line->next.get())
    text += line->label + "=" + std::to_string(line->value).substr(0, 6) + ";";
  return text;
}

class Veterinary : public ::testing::Test {
 protected:
  HeadlessPlatform platform;
  ScopedPlatform installed{platform};
  CBudgetWorksheet worksheet;
};

TEST_F(Veterinary, SetValueStoresOneFieldOnly) {
  struct Case {
    int column;
    std::string text;
    std::string units;
    double cost;
    double slot0;
  };
  const std::vector<Case> cases = {
      {2, "dose", "dose", -1, -1},     {2, "millilitres", "millilit", -1, -1},
      {3, "$2.50", "", 2.5, -1},       {4, "2.5", "", -1, 2.5},
      {3, "none", "", -1, -1},
  };
  for (const Case& c : cases) {
    CVeterinaryCost line;
    std::string message;
    EXPECT_TRUE(line.SetValue(c.column, c.text, &message));
    EXPECT_EQ(line.units, c.units) << c.text;
    EXPECT_EQ(line.cost, c.cost) << c.text;
    EXPECT_EQ(line.allocation[0], c.slot0) << c.text;
    EXPECT_EQ(line.label, "");
  }
  CVeterinaryCost line;
  std::string message;
  EXPECT_TRUE(line.SetValue(23, "4", &message));
  EXPECT_EQ(line.allocation[19], 4);
  EXPECT_FALSE(line.SetValue(24, "4", &message));
  EXPECT_EQ(platform.TakeMessages(),
            std::vector<std::string>{"Invalid nCol in CVeterinaryCost::SetValue 24"});
}

TEST_F(Veterinary, BudgetCostsHeadingValuesAndTotals) {
  worksheet.GetBudget(1, true);
  CVeterinaryCost& stray = Append(worksheet, "Tag", 1);
  stray.allocation[0] = 10;
  CVeterinaryCost& vaccines = Append(worksheet, "Vaccines", -1, true);
  CVeterinaryCost& shot = Append(worksheet, "Shot", 2.5);
  shot.allocation = {120, 40};
  CVeterinaryCost& none = Append(worksheet, "None", 3);
  none.allocation = {0, -1};
  CVeterinaryCost& empty = Append(worksheet, "Empty", -1, true);

  const std::vector<std::tuple<double, double>> cases = {
      {shot.GetBudgetCost(0), 300}, {shot.GetBudgetCost(1), 100}, {shot.GetBudgetCost(20), -1},
      {none.GetBudgetCost(0), 0},   {none.GetBudgetCost(1), -1},  {vaccines.GetHeadingValue(0), 300},
      {vaccines.GetHeadingValue(20), -1}, {empty.GetHeadingValue(0), -1},
      {worksheet.GetVeterinaryTotal(0), 310}, {worksheet.GetVeterinaryTotal(1), 100},
      {worksheet.GetVeterinaryTotal(25), 0},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_DOUBLE_EQ(std::get<0>(cases[i]), std::get<1>(cases[i])) << "case " << i;
  }

  std::string text;
  shot.GetRowText(text, 2);
  EXPECT_EQ(text, "Shot\t\t$ 2.50\t120.00\t40.00\t$ 300.00\t$ 100.00\r\n");
  text.clear();
  vaccines.GetRowText(text, 2);
  EXPECT_EQ(text, "Vaccines\t\t\t\t\t$ 300.00\t$ 100.00\t\t\n");
}

TEST_F(Veterinary, BudgetsReceiveTheirTotalAndLoseItAtZero) {
  worksheet.GetBudget(1, true);
  CVeterinaryCost& shot = Append(worksheet, "Shot", 2.5);
  shot.allocation = {120, 40};
  worksheet.SetCalculatedVeterinaryValues();
  EXPECT_EQ(Operating(*worksheet.GetBudget(0)), "Veterinary Costs=300.00;");
  EXPECT_EQ(Operating(*worksheet.GetBudget(1)), "Veterinary Costs=100.00;");
  shot.allocation[1] = 0;
  shot.allocation[0] = 10;
  worksheet.SetCalculatedVeterinaryValues();
  EXPECT_EQ(Operating(*worksheet.GetBudget(0)), "Veterinary Costs=25.000;");
  EXPECT_EQ(Operating(*worksheet.GetBudget(1)), "");
  EXPECT_TRUE(platform.TakeMessages().empty());
}

TEST_F(Veterinary, MarkupRoundTripsAndCutsUnits) {
  worksheet.GetBudget(1, true);
  CVeterinaryCost& shot = Append(worksheet, "Shot", 2.5);
  shot.units = "dose";
  shot.allocation = {2.555, 40};
  Append(worksheet, "", -1, true);
  CTagBuffer buffer;
  worksheet.WriteTags(buffer);
  const std::string saved(buffer.View());
  EXPECT_NE(saved.find("<VETERINARYCOST>\r\n\t<LABEL>Shot</LABEL>\r\n\t<UNITS>dose</UNITS>\r\n"
                       "\t<COST>2.5000</COST>\r\n\t\t<ALLOCATION>2.56</ALLOCATION>\r\n"
                       "\t\t<ALLOCATION>40.00</ALLOCATION>\r\n</VETERINARYCOST>\r\n"
                       "<VETERINARYCOST>\r\n\t<HEADING></HEADING>\r\n</VETERINARYCOST>\r\n"),
            std::string::npos);
  CBudgetWorksheet reopened;
  ASSERT_TRUE(reopened.ReadTags(saved));
  CTagBuffer again;
  reopened.WriteTags(again);
  EXPECT_EQ(again.View(), saved);

  CVeterinaryCost line;
  const std::string content = "<UNITS>millilitres</UNITS><COST>" + std::string(40, '9') + "</COST>";
  line.ReadTags(content, 0, content.size());
  EXPECT_EQ(line.units, "millilit");

  ASSERT_TRUE(shot.CopyToClipboard(nullptr, 2));
  CVeterinaryCost pasted;
  ASSERT_TRUE(pasted.PasteFromClipboard(nullptr));
  EXPECT_EQ(pasted.units, "dose");
  EXPECT_EQ(pasted.allocation[1], 40);
}

}  // namespace
