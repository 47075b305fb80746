// The machinery and buildings windows' grid, and the overhead boxes beside it.
#include "farm/machine_lists.h"
#include "farm/tabbed_list_grid.h"

namespace {

constexpr int kRateColumn = 5;

class MachineGrid final : public TabbedListGrid<CBudgetMachine> {
 public:
  using TabbedListGrid::TabbedListGrid;

  void HandToBudgets() override {
    for (int k = 0; k < farm_.CountBudgets(); ++k) SetCalculatedMachineValues(farm_, list_, k);
  }

  // The overhead percentages of the record whose rate cell is current.
  std::optional<std::vector<std::string>> SideFields(int row, int col, int tab) const override {
    if (tab != 0 || col != kRateColumn) return std::nullopt;
    std::unique_ptr<CBudgetMachine>* link = Link(row);
    if (!link || !*link) return std::nullopt;
    std::vector<std::string> texts;
    for (const double* field : (*link)->OverheadFields(list_.variant))
      texts.push_back(field ? FormatPlainOrBlank(*field) : std::string());
    return texts;
  }

  bool SetSideField(int row, int index, std::string_view text) override {
    std::unique_ptr<CBudgetMachine>* link = Link(row);
    if (!link) {
      App_MessageBox("NULL pParent pointer in MachineDialogProc - EN_UPDATE");
      return false;
    }
    if (!*link) {
      App_MessageBox("NULL pMachine pointer in MachineDialogProc - EN_UPDATE");
      return false;
    }
    std::string ignored;
    (*link)->SetOverheadField(list_.variant, index, text, &ignored);
    return true;
  }

 protected:
  std::vector<std::string> InputTitles() const override {
    const std::string rate(OverheadRateName(list_.variant));
    return {"Item",           "Purchase\r\nPrice",       "Salvage\r\nValue",
            "Useful\r\nLife (Years)", rate + "\nRate *", "Interest\r\nRate",
            "Annual SL\nDepreciation", "Annual\nInterest", "Annual\n" + rate};
  }
  std::vector<std::string> ValuesTitles() const override {
    return {"Item", "% Distribution", "Depreciation\nDistribution", "Interest\nDistribution",
            std::string(OverheadRateName(list_.variant)) + "\nDistribution"};
  }
  bool InputColumnProtected(int col) const override { return col == kRateColumn || col >= 7; }
  std::vector<double> ValuesAmounts(const CBudgetMachine& record, int tab) const override {
    const MachineAmounts amounts = record.Calculate(tab);
    return {amounts.depreciation, amounts.interest, amounts.overhead};
  }
  std::string_view NoRecordsText() const override { return "Enter machine data on first tab"; }
  std::string_view UnnamedBudget() const override { return "Crop "; }
  std::string_view NoRecordMessage() const override {
    return "NULL pMachine pointer editing crop utilization.";
  }
  std::string_view RowOperationMessage() const override {
    return "NULL pParent pointer in CCropBudget::HandleMachineRowOperation";
  }
};

}  // namespace

std::unique_ptr<ListGrid> MakeMachineGrid(FarmScope farm,
                                          const WholeFarmList<CBudgetMachine>& list) {
  return std::make_unique<MachineGrid>(farm, list);
}
