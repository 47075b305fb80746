// The purchased and retained livestock windows' grid.
#include "farm/livestock_lists.h"
#include "farm/tabbed_list_grid.h"

namespace {

class LivestockGrid final : public TabbedListGrid<CLivestockInvestment> {
 public:
  using TabbedListGrid::TabbedListGrid;

  void HandToBudgets() override {
    for (int k = 0; k < farm_.CountBudgets(); ++k) SetCalculatedLivestockValues(farm_, list_, k);
  }

 protected:
  bool Purchased() const { return list_.variant == kPurchasedLivestock; }

  std::vector<std::string> InputTitles() const override {
    std::vector<std::string> titles = {"Animal Name",   "Number Head",  "$/Head",
                                       "Salvage Value", "Life (years)", "Interest\r\nRate"};
    if (Purchased()) titles.push_back("Annual SL\nDepreciation");
    titles.push_back("Annual\nInterest");
    return titles;
  }
  std::vector<std::string> ValuesTitles() const override {
    std::vector<std::string> titles = {"Animal Name", "% Distribution"};
    if (Purchased()) titles.push_back("Depreciation\nDistribution");
    titles.push_back("Interest\nDistribution");
    return titles;
  }
  bool InputColumnProtected(int col) const override { return col >= 7; }
  std::vector<double> ValuesAmounts(const CLivestockInvestment& record, int tab) const override {
    const LivestockAmounts amounts = record.Calculate(tab);
    if (Purchased()) return {amounts.depreciation, amounts.interest};
    return {amounts.interest};
  }
  std::string_view NoRecordsText() const override { return "Enter livestock data on first tab"; }
  std::string_view UnnamedBudget() const override { return "Livestock "; }
  std::string_view NoRecordMessage() const override {
    return "NULL pLivestockInvestment pointer editing crop utilization.";
  }
  std::string_view RowOperationMessage() const override {
    return "NULL pParent pointer in CCropBudget::HandleLivestockInvestmentRowOperation";
  }
};

}  // namespace

std::unique_ptr<ListGrid> MakeLivestockGrid(FarmScope farm,
                                            const WholeFarmList<CLivestockInvestment>& list) {
  return std::make_unique<LivestockGrid>(farm, list);
}
