#include "farm/budget_machine.h"

#include "farm/record_cells.h"
#include "model/grid_cells.h"
#include "model/line_chain.h"
#include "platform/app_message.h"
#include "text/money.h"
#include "text/number_parse.h"
#include "text/utf8_text.h"

namespace {

using Field = MarkupField<CBudgetMachine>;


}  // namespace

const RecordMarkup<CBudgetMachine>& CBudgetMachine::Markup() {
  static constexpr std::array<Field, 11> kFields = {
      TextField("LABEL", &CBudgetMachine::label, kMachineLabelChars),
      RealField("PURCHASEPRICE", &CBudgetMachine::purchasePrice, 4),
      RealField("SALVAGEVALUE", &CBudgetMachine::salvageValue, 4),
      CountField("USEFULLIFE", &CBudgetMachine::usefulLife),
      RealField("INTERESTRATE", &CBudgetMachine::interestRate, 4),
      RealField("TAXES", &CBudgetMachine::taxes, 4),
      RealField("REPAIR", &CBudgetMachine::housing, 4).ForVariant(kBuildings),
      RealField("HOUSING", &CBudgetMachine::housing, 4).ForVariant(kMachinery),
      RealField("INSURANCE", &CBudgetMachine::insurance, 4),
      RealField("LICENSES", &CBudgetMachine::licenses, 4).ForVariant(kMachinery, true),
      RealField("MISCELLANEOUS", &CBudgetMachine::miscellaneous, 4),
  };
  static const RecordMarkup<CBudgetMachine> kMarkup{kFields};
  return kMarkup;
}

std::string_view OverheadRateName(int variant) { return variant == kBuildings ? "TRIM" : "THILM"; }

std::array<std::string_view, kOverheadFields> OverheadFieldNames(int variant) {
  if (variant == kBuildings) return {"Taxes", "Repairs", "Insurance", "Miscellaneous", ""};
  return {"Taxes", "Housing", "Insurance", "Licenses", "Miscellaneous"};
}

CBudgetMachine::CBudgetMachine() { allocation.fill(-1); }

CBudgetMachine::~CBudgetMachine() { DestroyChain(next); }

bool CBudgetMachine::SetValue(const ListView& view, int column, std::string_view text,
                              std::string* message) {
  if (view.tab == 1) return SetShareFromColumn(allocation, column, text, message, "CBudgetMachine");
  if (view.tab != 0) {
    App_MessageBoxF("Invalid Column in CBudgetMachine::SetValue %d", column);
    return false;
  }
  switch (column) {
    case 1: label = std::string(FirstChars(text, kMachineLabelChars)); return true;
    case 2: purchasePrice = ParseReal(text, "Purchase Price", message); return true;
    case 3: salvageValue = ParseReal(text, "Salvage Value", message); return true;
    case 4: usefulLife = ParseInteger(text, "Useful Life", message); return true;
    case 6: interestRate = ParseReal(text, "Interest Rate", message); return true;
    default: return false;
  }
}

double CBudgetMachine::GetOverheadRate() const {
  double rate = 0;
  bool entered = false;
  for (const double percent : {taxes, housing, insurance, licenses, miscellaneous}) {
    if (percent < 0) continue;
    rate += percent;
    entered = true;
  }
  return entered ? rate : -1;
}

MachineAmounts CBudgetMachine::Calculate(int tab) const {
  MachineAmounts amounts;
  const bool valued = purchasePrice >= 0 && salvageValue >= 0;
  if (valued) amounts.average = (purchasePrice + salvageValue) / 2;
  double factor = 1;
  if (tab >= 2) {
    // An empty slot is no share at all: as a factor of -1 it would turn a loss
    // in value (salvage above price) into a charge.
    const int k = tab - 2;
    if (k >= MAX_ALLOCATIONS || allocation[static_cast<std::size_t>(k)] < 0) return amounts;
    factor = allocation[static_cast<std::size_t>(k)] / 100;
  } else if (tab != 0) {
    App_MessageBoxF("Invalid tab in CBudgetMachine::Calculate %d", tab);
  }
  if (valued && usefulLife > 0) {
    amounts.depreciation = ((purchasePrice - salvageValue) * factor) / usefulLife;
  }
  const double rate = GetOverheadRate();
  if (amounts.average >= 0 && interestRate >= 0) {
    amounts.interest = (factor * amounts.average) * (interestRate / 100);
  }
  if (amounts.average >= 0 && rate >= 0) {
    amounts.overhead = (factor * amounts.average) * (rate / 100);
  }
  return amounts;
}

double CBudgetMachine::GetTotalDistribution(int budgetCount) const {
  return TotalDistribution(allocation, budgetCount);
}

std::array<double*, kOverheadFields> CBudgetMachine::OverheadFields(int variant) {
  if (variant == kBuildings) return {&taxes, &housing, &insurance, &miscellaneous, nullptr};
  return {&taxes, &housing, &insurance, &licenses, &miscellaneous};
}

void CBudgetMachine::SetOverheadField(int variant, int index, std::string_view text,
                                      std::string* message) {
  if (index < 0 || index >= kOverheadFields) return;
  double* field = OverheadFields(variant)[static_cast<std::size_t>(index)];
  if (field) *field = ParseReal(text, OverheadFieldNames(variant)[static_cast<std::size_t>(index)],
                                message);
  if (variant == kBuildings) licenses = -1;
}

void CBudgetMachine::FillGridRow(GridEngine& grid, int row, const ListView& view) const {
  if (view.tab == 1) {
    PutDistributionRow(grid, row, label, allocation, view.budgetCount);
    return;
  }
  PutGridCell(grid, row, 0, "", false);
  if (view.tab == 0) {
    const MachineAmounts amounts = Calculate(0);
    const double rate = GetOverheadRate();
    PutGridCell(grid, row, 1, label, false);
    PutGridCell(grid, row, 2, FormatMoneyOrBlank(purchasePrice), false);
    PutGridCell(grid, row, 3, FormatMoneyOrBlank(salvageValue), false);
    PutGridCell(grid, row, 4, CountText(usefulLife), false);
    // "^" draws the rate in blue; the star points at the note on how it is made.
    PutGridCell(grid, row, 5, (rate >= 0 ? "^" + FormatPlain(rate) + "%" : "") + " *", true);
    PutGridCell(grid, row, 6, PercentText(interestRate), false);
    PutGridCell(grid, row, 7, FormatMoneyOrBlank(amounts.depreciation), true);
    PutGridCell(grid, row, 8, FormatMoneyOrBlank(amounts.interest), true);
    PutGridCell(grid, row, 9, FormatMoneyOrBlank(amounts.overhead), true);
  } else {
    const int k = view.tab - 2;
    const MachineAmounts amounts = Calculate(view.tab);
    PutGridCell(grid, row, 1, label, true);
    PutGridCell(grid, row, 2, ShareText(allocation, k), true);
    PutGridCell(grid, row, 3, FormatMoneyOrBlank(amounts.depreciation), true);
    PutGridCell(grid, row, 4, FormatMoneyOrBlank(amounts.interest), true);
    PutGridCell(grid, row, 5, FormatMoneyOrBlank(amounts.overhead), true);
  }
}

void CBudgetMachine::GetRowText(std::string& text, const ListView& view) const {
  if (view.tab == 1) {
    AppendDistributionText(text, label, allocation, view.budgetCount);
    return;
  }
  const auto field = [&text](std::string_view value) {
    text += value;
    text += '\t';
  };
  field(label);
  if (view.tab == 0) {
    const MachineAmounts amounts = Calculate(0);
    field(FormatMoneyOrBlank(purchasePrice));
    field(FormatMoneyOrBlank(salvageValue));
    field(CountText(usefulLife));
    field(FormatPlainOrBlank(taxes));
    field(FormatPlainOrBlank(housing));
    field(FormatPlainOrBlank(insurance));
    if (view.variant == kMachinery) field(FormatPlainOrBlank(licenses));
    field(FormatPlainOrBlank(miscellaneous));
    field(PercentText(interestRate));
    field(FormatMoneyOrBlank(amounts.depreciation));
    field(FormatMoneyOrBlank(amounts.interest));
    field(FormatMoneyOrBlank(amounts.overhead));
  } else {
    const int k = view.tab - 2;
    const MachineAmounts amounts = Calculate(view.tab);
    field(ShareText(allocation, k));
    field(FormatMoneyOrBlank(amounts.depreciation));
    field(FormatMoneyOrBlank(amounts.interest));
    field(FormatMoneyOrBlank(amounts.overhead));
  }
}
