// Machines, buildings and breeding stock: their amounts, their markup in both
// variants, and what they hand to the budgets.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "document/worksheet.h"
#include "farm/livestock_lists.h"
#include "farm/machine_lists.h"
#include "farm/tabbed_list_grid.h"
#include "grid/grid_engine.h"
#include "grid/headless_grid_host.h"
#include "headless/headless_platform.h"
#include "text/tag_buffer.h"

namespace {

std::string Tags(const CBudgetWorksheet& worksheet) {
  CTagBuffer buffer;
  worksheet.WriteTags(buffer);
  return std::string(buffer.View());
}

std::string SectionText(const CCropBudget& budget, int section) {
  std::string text;
  for (const CBudgetLine* line = budget.sections[section].get(); line; line = line->next.get()) {
    text += line->label + "=" + std::to_string(line->value).substr(0, 7) + ";";
  }
  return text;
}

std::tuple<double, double, double, double> Tuple(const MachineAmounts& a) {
  return {a.average, a.depreciation, a.interest, a.overhead};
}
std::tuple<double, double, double> Tuple(const LivestockAmounts& a) {
  return {a.average, a.depreciation, a.interest};
}

// The tractor of the worked example: 100000 bought, 20000 salvage, 10 years,
// 8 % interest, overhead 1 + 0.5 + 0.6 %, a quarter to the first budget.
CBudgetMachine& Tractor(std::unique_ptr<CBudgetMachine>& head) {
  head = std::make_unique<CBudgetMachine>();
  CBudgetMachine& m = *head;
  m.label = "Tractor";
  m.purchasePrice = 100000;
  m.salvageValue = 20000;
  m.usefulLife = 10;
  m.interestRate = 8;
  m.taxes = 1;
  m.housing = 0.5;
  m.insurance = 0.6;
  m.allocation[0] = 25;
  return m;
}

// Four bulls at 3000, salvage 1200, 5 years, 7 %, half to the first budget.
CLivestockInvestment& Bulls(std::unique_ptr<CLivestockInvestment>& head) {
  head = std::make_unique<CLivestockInvestment>();
  CLivestockInvestment& b = *head;
  b.label = "Bulls";
  b.numberHead = 4;
  b.purchasePrice = 3000;
  b.salvageValue = 1200;
  b.usefulLife = 5;
  b.interestRate = 7;
  b.allocation[0] = 50;
  return b;
}

class CapitalLists : public ::testing::Test {
 protected:
  HeadlessPlatform platform;
  ScopedPlatform installed{platform};
  CBudgetWorksheet worksheet;
};

TEST_F(CapitalLists, TheWorkedExamplesHold) {
  CBudgetMachine& tractor = Tractor(worksheet.lists.pMachinery);
  EXPECT_DOUBLE_EQ(tractor.GetOverheadRate(), 2.1);
  EXPECT_EQ(Tuple(tractor.Calculate(0)), std::make_tuple(60000.0, 8000.0, 4800.0, 1260.0));
  const MachineAmounts share = tractor.Calculate(2);
  EXPECT_DOUBLE_EQ(share.depreciation, 2000);
  EXPECT_DOUBLE_EQ(share.interest, 1200);
  EXPECT_DOUBLE_EQ(share.overhead, 315);

  CLivestockInvestment& bulls = Bulls(worksheet.lists.pPurchasedLivestock);
  EXPECT_EQ(Tuple(bulls.Calculate(0)), std::make_tuple(8400.0, 1440.0, 588.0));
  EXPECT_EQ(Tuple(bulls.Calculate(2)), std::make_tuple(8400.0, 720.0, 294.0));
  EXPECT_TRUE(platform.TakeMessages().empty());
}

// Every formula that multiplies by a budget's share: an empty slot (the -1
// marker or a negative entry) or a budget beyond the slots gets no share, even
// where the marker as a factor would flip a negative difference into a charge.
TEST_F(CapitalLists, AnEmptyShareGivesNothingEvenWhenSalvageExceedsThePrice) {
  CBudgetMachine& shed = Tractor(worksheet.lists.pBuildings);
  shed.salvageValue = 140000;  // worth more at the end: no depreciation at all
  shed.allocation[1] = -1;
  shed.allocation[2] = -5;
  shed.allocation[3] = 0;
  EXPECT_LT(shed.Calculate(0).depreciation, 0);
  for (const int tab : {3, 4, 2 + MAX_ALLOCATIONS, 2 + MAX_ALLOCATIONS + 5}) {
    const MachineAmounts amounts = shed.Calculate(tab);
    EXPECT_EQ(std::make_tuple(amounts.depreciation, amounts.interest, amounts.overhead),
              std::make_tuple(-1.0, -1.0, -1.0)) << tab;
  }
  // A share of 0 % is a share: amounts of 0, summed as such.
  EXPECT_EQ(Tuple(shed.Calculate(5)), std::make_tuple(120000.0, -0.0, 0.0, 0.0));

  CLivestockInvestment& ewes = Bulls(worksheet.lists.pRetainedLivestock);
  ewes.salvageValue = 3500;
  ewes.allocation[1] = -1;
  EXPECT_EQ(Tuple(ewes.Calculate(3)), std::make_tuple(13000.0, -1.0, -1.0));
  ewes.numberHead = 0;
  EXPECT_EQ(Tuple(ewes.Calculate(0)), std::make_tuple(-1.0, -1.0, -1.0));
  EXPECT_TRUE(platform.TakeMessages().empty()) << "no budget beyond the slots is an error";
}

TEST_F(CapitalLists, OverheadRateIsEmptyOnlyWithNoPercentageAndBuildingsHaveNoLicenses) {
  CBudgetMachine machine;
  EXPECT_EQ(machine.GetOverheadRate(), -1);
  machine.purchasePrice = machine.salvageValue = 10;
  EXPECT_EQ(machine.Calculate(0).overhead, -1);
  machine.miscellaneous = 0;
  EXPECT_EQ(machine.GetOverheadRate(), 0);
  EXPECT_EQ(machine.Calculate(0).overhead, 0);

  std::string problem;
  machine.licenses = 4;
  machine.SetOverheadField(kBuildings, 3, "2.5%", &problem);
  EXPECT_EQ(std::make_tuple(machine.miscellaneous, machine.licenses), std::make_tuple(2.5, -1.0));
  machine.SetOverheadField(kMachinery, 3, "n/a", &problem);
  EXPECT_EQ(machine.licenses, -1);
  EXPECT_EQ(problem, "Problem with 'Licenses' field");
}

TEST_F(CapitalLists, SetValueTakesItsColumnsAndNamesTheOthers) {
  CBudgetMachine machine;
  std::string problem;
  const ListView input{0, 2, kMachinery};
  EXPECT_TRUE(machine.SetValue(input, 1, std::string(40, 'T'), &problem));
  EXPECT_TRUE(machine.SetValue(input, 4, "12.9", &problem));
  EXPECT_FALSE(machine.SetValue(input, 5, "3", &problem));  // the rate is made, not typed
  EXPECT_TRUE(machine.SetValue({1, 2, kMachinery}, 21, "5", &problem));
  EXPECT_FALSE(machine.SetValue({1, 2, kMachinery}, 1, "5", &problem));
  EXPECT_FALSE(machine.SetValue({2, 2, kMachinery}, 3, "5", &problem));
  EXPECT_EQ(std::make_tuple(machine.label.size(), machine.usefulLife, machine.allocation[19]),
            std::make_tuple(std::size_t{32}, 12, 5.0));
  machine.Calculate(1);
  EXPECT_EQ(platform.TakeMessages(),
            (std::vector<std::string>{"nCol over MAX_ALLOCATIONS in CBudgetMachine::SetValue 1",
                                      "Invalid Column in CBudgetMachine::SetValue 3",
                                      "Invalid tab in CBudgetMachine::Calculate 1"}));

  CLivestockInvestment stock;
  EXPECT_TRUE(stock.SetValue({0, 1, 0}, 2, "12 head", &problem));
  EXPECT_TRUE(stock.SetValue({0, 1, 0}, 3, "$1,250", &problem));
  EXPECT_FALSE(stock.SetValue({1, 1, 0}, 22, "5", &problem));
  EXPECT_EQ(std::make_tuple(stock.numberHead, stock.purchasePrice), std::make_tuple(12, 1250.0));
  EXPECT_EQ(platform.TakeMessages(),
            (std::vector<std::string>{
                "nCol over MAX_ALLOCATIONS in CLivestockInvestment::SetValue 22"}));
}

TEST_F(CapitalLists, EachVariantKeepsItsOwnElementsThroughTheDocument) {
  worksheet.GetBudget(1, true);
  Tractor(worksheet.lists.pMachinery).licenses = 0.25;
  CBudgetMachine& shed = Tractor(worksheet.lists.pBuildings);
  shed.label = "Shed";
  shed.allocation[1] = 60;
  Bulls(worksheet.lists.pPurchasedLivestock);
  Bulls(worksheet.lists.pRetainedLivestock).label = "Heifers";
  const std::string saved = Tags(worksheet);
  EXPECT_NE(saved.find("<BUDGETMACHINE>\r\n\t<LABEL>Tractor</LABEL>\r\n"
                       "\t<PURCHASEPRICE>100000.0000</PURCHASEPRICE>\r\n"
                       "\t<SALVAGEVALUE>20000.0000</SALVAGEVALUE>\r\n\t<USEFULLIFE>10</USEFULLIFE>\r\n"
                       "\t<INTERESTRATE>8.0000</INTERESTRATE>\r\n\t<TAXES>1.0000</TAXES>\r\n"
                       "\t<HOUSING>0.5000</HOUSING>\r\n\t<INSURANCE>0.6000</INSURANCE>\r\n"
                       "\t<LICENSES>0.2500</LICENSES>\r\n"
                       "\t<MISCELLANEOUS>-1.0000</MISCELLANEOUS>\r\n"
                       "\t\t<ALLOCATION>25.00</ALLOCATION>\r\n\t\t<ALLOCATION>-1.00</ALLOCATION>\r\n"
                       "</BUDGETMACHINE>\r\n<BUDGETBUILDING>\r\n\t<LABEL>Shed</LABEL>"),
            std::string::npos)
      << saved;
  EXPECT_NE(saved.find("\t<TAXES>1.0000</TAXES>\r\n\t<REPAIR>0.5000</REPAIR>\r\n"
                       "\t<INSURANCE>0.6000</INSURANCE>\r\n\t<MISCELLANEOUS>"),
            std::string::npos);
  EXPECT_NE(saved.find("</BUDGETBUILDING>\r\n<PURCHASEDLIVESTOCK>\r\n\t<LABEL>Bulls</LABEL>\r\n"
                       "\t<NUMBERHEAD>4</NUMBERHEAD>\r\n\t<PURCHASEPRICE>3000.0000</PURCHASEPRICE>\r\n"
                       "\t<SALVAGEVALUE>1200.0000</SALVAGEVALUE>\r\n\t<USEFULLIFE>5</USEFULLIFE>\r\n"
                       "\t<INTERESTRATE>7.0000</INTERESTRATE>\r\n"),
            std::string::npos);
  EXPECT_NE(saved.find("</PURCHASEDLIVESTOCK>\r\n<RETAINEDLIVESTOCK>\r\n\t<LABEL>Heifers"),
            std::string::npos);

  CBudgetWorksheet reopened;
  ASSERT_TRUE(reopened.ReadTags(saved));
  EXPECT_EQ(Tags(reopened), saved);
  EXPECT_EQ(reopened.lists.pBuildings->licenses, -1);
  EXPECT_EQ(reopened.lists.pMachinery->licenses, 0.25);
}

TEST_F(CapitalLists, ABuildingReadsNoLicensesAndTravelsAsARepairRecord) {
  const std::string building =
      "<LABEL>Barn</LABEL><REPAIR>2</REPAIR><HOUSING>9</HOUSING><LICENSES>3</LICENSES>";
  CBudgetMachine barn;
  barn.licenses = 7;
  ReadListRecord(barn, kBuildingsList, TagIndex(building, 0, building.size()));
  EXPECT_EQ(std::make_tuple(barn.housing, barn.licenses), std::make_tuple(2.0, -1.0));
  CBudgetMachine truck;
  ReadListRecord(truck, kMachineryList, TagIndex(building, 0, building.size()));
  EXPECT_EQ(std::make_tuple(truck.housing, truck.licenses), std::make_tuple(9.0, 3.0));

  ASSERT_TRUE(CopyListRecord(barn, kBuildingsList, {0, 1, kBuildings}));
  std::string element;
  ASSERT_TRUE(platform.GetClipboard().Fetch(kFormatBuilding, &element));
  EXPECT_TRUE(element.starts_with("<BUDGETMACHINE>\r\n"));
  EXPECT_NE(element.find("<REPAIR>2.0000</REPAIR>"), std::string::npos);
  EXPECT_EQ(element.find("LICENSES"), std::string::npos);
  EXPECT_FALSE(platform.GetClipboard().IsOffered(kFormatMachine));
  CBudgetMachine pasted;
  ASSERT_TRUE(PasteListRecord(pasted, kBuildingsList));
  EXPECT_EQ(pasted.label, "Barn");
}

TEST_F(CapitalLists, EveryBudgetGetsItsRowsEvenFromAnEmptyListButNoneBeyondTheSlots) {
  worksheet.GetBudget(MAX_ALLOCATIONS, true);  // 21 budgets
  Tractor(worksheet.lists.pMachinery).allocation.fill(5);
  worksheet.lists.pMachinery->allocation[1] = -1;
  for (int k = 0; k <= MAX_ALLOCATIONS; ++k) {
    EXPECT_TRUE(SetCalculatedMachineValues(worksheet.Farm(), kMachineryList, k));
    EXPECT_TRUE(SetCalculatedMachineValues(worksheet.Farm(), kBuildingsList, k));
  }
  EXPECT_FALSE(SetCalculatedMachineValues(worksheet.Farm(), kMachineryList, 21));
  EXPECT_EQ(SectionText(*worksheet.GetBudget(0), kSectionOwnership),
            "Machinery Depreciation=400.000;Machinery Interest=240.000;Machinery THILM=63.0000;"
            "Building Depreciation=0.00000;Building Interest=0.00000;Building TRIM=0.00000;");
  EXPECT_EQ(SectionText(*worksheet.GetBudget(1), kSectionOwnership).substr(0, 56),
            "Machinery Depreciation=0.00000;Machinery Interest=0.0000");
  EXPECT_EQ(SectionText(*worksheet.GetBudget(MAX_ALLOCATIONS), kSectionOwnership), "");

  Bulls(worksheet.lists.pPurchasedLivestock);
  Bulls(worksheet.lists.pRetainedLivestock);
  ASSERT_TRUE(SetCalculatedLivestockValues(worksheet.Farm(), kPurchasedLivestockList, 0));
  ASSERT_TRUE(SetCalculatedLivestockValues(worksheet.Farm(), kRetainedLivestockList, 0));
  EXPECT_NE(SectionText(*worksheet.GetBudget(0), kSectionOwnership)
                .find("Purchased Livestock Depreciation=720.000;Purchased Livestock "
                      "Interest=294.000;Retained Livestock Interest=294.000;"),
            std::string::npos);
  // A later hand-over replaces the rows, with their sources.
  worksheet.lists.pMachinery.reset();
  ASSERT_TRUE(SetCalculatedMachineValues(worksheet.Farm(), kMachineryList, 0));
  const CBudgetLine* first = worksheet.GetBudget(0)->sections[kSectionOwnership].get();
  EXPECT_EQ(std::make_tuple(first->label, first->value, first->source),
            std::make_tuple(std::string("Machinery Depreciation"), 0.0, kSourceMachine));
}

}  // namespace

namespace {

TEST_F(CapitalLists, BudgetsBeyondTheSlotsAreGreyOnTheDistributionTabAndSayWhyOnTheirOwn) {
  worksheet.GetBudget(MAX_ALLOCATIONS, true);  // 21 budgets
  Tractor(worksheet.lists.pMachinery).allocation.fill(5);
  HeadlessGridHost host;
  GridEngine grid(1078, host);
  const std::unique_ptr<ListGrid> machines = MakeMachineGrid(worksheet.Farm(), kMachineryList);
  machines->SetUp(grid, GridFont{}, 16);
  machines->Fill(grid, 1);
  EXPECT_EQ(GetGridCellText(grid, 0, 2 + MAX_ALLOCATIONS), "Crop 21\n(not distributed)");
  EXPECT_EQ(grid.Cells().Find(1, 2 + MAX_ALLOCATIONS)->protection, 'P');
  EXPECT_EQ(GetGridCellText(grid, 1, 2 + MAX_ALLOCATIONS + 1), "100.00 %");
  machines->Fill(grid, 2 + MAX_ALLOCATIONS);
  EXPECT_EQ(GetGridCellText(grid, 1, 1), kOutsideTheSlots);
  EXPECT_EQ(grid.SendMessage(GM_GETROWS), 1);
  EXPECT_EQ(machines->EditCell(1, 2 + MAX_ALLOCATIONS, 2 + MAX_ALLOCATIONS, "5").refusal,
            "Cannot edit tab 22");
  EXPECT_TRUE(platform.TakeMessages().empty());
}

}  // namespace
