#include "farm/livestock_investment.h"

#include <array>

#include "farm/record_cells.h"
#include "model/grid_cells.h"
#include "model/line_chain.h"
#include "platform/app_message.h"
#include "text/money.h"
#include "text/number_parse.h"
#include "text/utf8_text.h"

namespace {

using Field = MarkupField<CLivestockInvestment>;


}  // namespace

const RecordMarkup<CLivestockInvestment>& CLivestockInvestment::Markup() {
  static constexpr std::array<Field, 6> kFields = {
      TextField("LABEL", &CLivestockInvestment::label, kLivestockLabelChars),
      CountField("NUMBERHEAD", &CLivestockInvestment::numberHead),
      RealField("PURCHASEPRICE", &CLivestockInvestment::purchasePrice, 4),
      RealField("SALVAGEVALUE", &CLivestockInvestment::salvageValue, 4),
      CountField("USEFULLIFE", &CLivestockInvestment::usefulLife),
      RealField("INTERESTRATE", &CLivestockInvestment::interestRate, 4),
  };
  static const RecordMarkup<CLivestockInvestment> kMarkup{kFields};
  return kMarkup;
}

CLivestockInvestment::CLivestockInvestment() { allocation.fill(-1); }

CLivestockInvestment::~CLivestockInvestment() { DestroyChain(next); }

bool CLivestockInvestment::SetValue(const ListView& view, int column, std::string_view text,
                                    std::string* message) {
  if (view.tab == 1) {
    return SetShareFromColumn(allocation, column, text, message, "CLivestockInvestment");
  }
  if (view.tab != 0) {
    App_MessageBoxF("Invalid Column in CLivestockInvestment::SetValue %d", column);
    return false;
  }
  switch (column) {
    case 1: label = std::string(FirstChars(text, kLivestockLabelChars)); return true;
    case 2: numberHead = ParseInteger(text, "Number Head", message); return true;
    case 3: purchasePrice = ParseReal(text, "$/Head", message); return true;
    case 4: salvageValue = ParseReal(text, "Salvage Value", message); return true;
    case 5: usefulLife = ParseInteger(text, "Useful Life", message); return true;
    case 6: interestRate = ParseReal(text, "Interest Rate", message); return true;
    default: return false;
  }
}

LivestockAmounts CLivestockInvestment::Calculate(int tab) const {
  LivestockAmounts amounts;
  if (numberHead <= 0 || purchasePrice < 0 || salvageValue < 0) return amounts;
  amounts.average = numberHead * ((purchasePrice + salvageValue) / 2);
  double factor = 1;
  if (tab >= 2) {
    // An empty slot is no share at all: as a factor of -1 it would turn a loss
    // in value (salvage above price) into a charge.
    const int k = tab - 2;
    if (k >= MAX_ALLOCATIONS || allocation[static_cast<std::size_t>(k)] < 0) return amounts;
    factor = allocation[static_cast<std::size_t>(k)] / 100;
  } else if (tab != 0) {
    App_MessageBoxF("Invalid tab in CLivestockInvestment::Calculate %d", tab);
  }
  if (usefulLife > 0) {
    amounts.depreciation = ((numberHead * factor) * (purchasePrice - salvageValue)) / usefulLife;
  }
  if (interestRate >= 0) amounts.interest = (factor * amounts.average) * (interestRate / 100);
  return amounts;
}

double CLivestockInvestment::GetTotalDistribution(int budgetCount) const {
  return TotalDistribution(allocation, budgetCount);
}

void CLivestockInvestment::FillGridRow(GridEngine& grid, int row, const ListView& view) const {
  if (view.tab == 1) {
    PutDistributionRow(grid, row, label, allocation, view.budgetCount);
    return;
  }
  const bool purchased = view.variant == kPurchasedLivestock;
  PutGridCell(grid, row, 0, "", false);
  if (view.tab == 0) {
    const LivestockAmounts amounts = Calculate(0);
    PutGridCell(grid, row, 1, label, false);
    PutGridCell(grid, row, 2, CountText(numberHead), false);
    PutGridCell(grid, row, 3, FormatMoneyOrBlank(purchasePrice), false);
    PutGridCell(grid, row, 4, FormatMoneyOrBlank(salvageValue), false);
    PutGridCell(grid, row, 5, CountText(usefulLife), false);
    PutGridCell(grid, row, 6, PercentText(interestRate), false);
    int col = 7;
    if (purchased) PutGridCell(grid, row, col++, FormatMoneyOrBlank(amounts.depreciation), true);
    PutGridCell(grid, row, col, FormatMoneyOrBlank(amounts.interest), true);
  } else {
    const int k = view.tab - 2;
    const LivestockAmounts amounts = Calculate(view.tab);
    PutGridCell(grid, row, 1, label, true);
    PutGridCell(grid, row, 2, ShareText(allocation, k), true);
    int col = 3;
    if (purchased) PutGridCell(grid, row, col++, FormatMoneyOrBlank(amounts.depreciation), true);
    PutGridCell(grid, row, col, FormatMoneyOrBlank(amounts.interest), true);
  }
}

void CLivestockInvestment::GetRowText(std::string& text, const ListView& view) const {
  if (view.tab == 1) {
    AppendDistributionText(text, label, allocation, view.budgetCount);
    return;
  }
  const auto field = [&text](std::string_view value) {
    text += value;
    text += '\t';
  };
  const bool purchased = view.variant == kPurchasedLivestock;
  field(label);
  if (view.tab == 0) {
    const LivestockAmounts amounts = Calculate(0);
    field(CountText(numberHead));
    field(FormatMoneyOrBlank(purchasePrice));
    field(FormatMoneyOrBlank(salvageValue));
    field(CountText(usefulLife));
    field(PercentText(interestRate));
    if (purchased) field(FormatMoneyOrBlank(amounts.depreciation));
    field(FormatMoneyOrBlank(amounts.interest));
  } else {
    const int k = view.tab - 2;
    const LivestockAmounts amounts = Calculate(view.tab);
    field(ShareText(allocation, k));
    if (purchased) field(FormatMoneyOrBlank(amounts.depreciation));
    field(FormatMoneyOrBlank(amounts.interest));
  }
}
