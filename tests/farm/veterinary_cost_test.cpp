// The veterinary list: the limits of its records, budget costs and file elements.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "text/tag_buffer.h"
#include "document/worksheet.h"
#include "farm/veterinary_list.h"
#include "headless/headless_platform.h"
#include "reports/whole_farm_fixture.h"

namespace {

CVeterinaryCost& Append(CBudgetWorksheet& worksheet, std::string_view label, double cost,
                        bool heading = false) {
  CVeterinaryCost& line = AppendRecord(worksheet.lists.pVeterinaryCosts, label, heading);
  line.cost = cost;
  return line;
}

class Veterinary : public ::testing::Test {
 protected:
  HeadlessPlatform platform;
  ScopedPlatform installed{platform};
  CBudgetWorksheet worksheet;
};

// Typed units, costs and counts, their row texts and what budgets receive show
// in the veterinary golden script; these are the limits around them.
TEST_F(Veterinary, SetValueFillsOneFieldUpToTheLastSlotAndRefusesOtherColumns) {
  CVeterinaryCost line;
  std::string message;
  EXPECT_TRUE(line.SetValue({}, 3, "none", &message));
  EXPECT_TRUE(line.SetValue({}, 4, "2.5", &message));
  EXPECT_TRUE(line.SetValue({}, 23, "4", &message));
  EXPECT_EQ(std::tuple(line.units, line.cost, line.allocation[0], line.allocation[19]),
            std::tuple("", -1.0, 2.5, 4.0));
  EXPECT_FALSE(line.SetValue({}, 24, "4", &message));
  EXPECT_EQ(platform.TakeMessages(),
            std::vector<std::string>{"Invalid nCol in CVeterinaryCost::SetValue 24"});
  // Limits count characters: no character is cut in half.
  EXPECT_TRUE(line.SetValue({}, 2, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", &message));
  EXPECT_EQ(line.units, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");
}

TEST_F(Veterinary, BudgetCostsAndTotalsStayWithinTheSlots) {
  worksheet.GetBudget(1, true);
  Append(worksheet, "Tag", 1).allocation[0] = 10;  // above any heading, still counted
  CVeterinaryCost& vaccines = Append(worksheet, "Vaccines", -1, true);
  CVeterinaryCost& shot = Append(worksheet, "Shot", 2.5);
  shot.allocation = {120, 40};
  CVeterinaryCost& none = Append(worksheet, "None", 3);
  none.allocation = {0, -1};
  CVeterinaryCost& empty = Append(worksheet, "Empty", -1, true);

  const std::vector<std::tuple<double, double>> cases = {
      {shot.GetBudgetCost(1), 100},       {shot.GetBudgetCost(20), -1},
      {shot.GetBudgetCost(-1), -1},       {none.GetBudgetCost(0), 0},
      {none.GetBudgetCost(1), -1},        {vaccines.GetHeadingValue(0), 300},
      {vaccines.GetHeadingValue(20), -1}, {empty.GetHeadingValue(0), -1},
      {VeterinaryTotal(worksheet.lists.pVeterinaryCosts.get(), 0), 310}, {VeterinaryTotal(worksheet.lists.pVeterinaryCosts.get(), 25), 0},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_DOUBLE_EQ(std::get<0>(cases[i]), std::get<1>(cases[i])) << "case " << i;
  }
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
  ReadListRecord(line, kVeterinaryList, TagIndex(content, 0, content.size()));
  EXPECT_EQ(line.units, "millilit");

  ASSERT_TRUE(CopyListRecord(shot, kVeterinaryList, {0, 2}));
  CVeterinaryCost pasted;
  ASSERT_TRUE(PasteListRecord(pasted, kVeterinaryList));
  EXPECT_EQ(pasted.units, "dose");
  EXPECT_EQ(pasted.allocation[1], 40);
}

}  // namespace
