#include "reports/capital_list_text.h"

#include <string_view>
#include <vector>

#include "document/worksheet.h"
#include "farm/budget_column_name.h"
#include "farm/livestock_lists.h"
#include "farm/machine_lists.h"

namespace {

// Room ahead for the rows, so that a long list is not moved as it grows.
constexpr std::size_t kBytesPerRecord = 2451;

// The title, a heading line of tab-ended headings, then each record's row.
template <WholeFarmRecord Record>
std::string RenderTable(const CBudgetWorksheet& worksheet, const WholeFarmList<Record>& list,
                        int tab, std::string_view title, std::string_view unnamedBudget,
                        std::string_view distributionTitle,
                        const std::vector<std::string>& headings) {
  const std::unique_ptr<Record>& head = list.Head(worksheet.lists);
  std::string text;
  text.reserve(kBytesPerRecord * static_cast<std::size_t>(ChainLength(head) + 1));
  text += title;
  if (tab == 1) {
    text += distributionTitle;
  } else if (tab >= 2) {
    const CCropBudget* budget = worksheet.budgets.get();
    for (int k = 0; budget && k < tab - 2; ++k) budget = budget->next.get();
    if (budget) text += " - " + BudgetColumnName(*budget, tab - 2, unnamedBudget) + " Distribution";
  }
  text += '\n';
  for (const std::string& heading : headings) {
    text += heading;
    text += '\t';
  }
  if (tab == 1) {
    int k = 0;
    for (const CCropBudget* budget = worksheet.budgets.get(); budget; budget = budget->next.get())
      text += BudgetColumnName(*budget, k++, unnamedBudget) + " Distribution\t";
    text += "Total Distributions";
  }
  text += '\n';
  const ListView view{tab, worksheet.CountBudgets(), list.variant};
  for (const Record* record = head.get(); record; record = record->next.get()) {
    record->GetRowText(text, view);
    text += '\n';
  }
  return text;
}

}  // namespace

std::string RenderMachineText(const CBudgetWorksheet& worksheet, int variant, int tab) {
  const bool machinery = variant == kMachinery;
  const std::string rate(OverheadRateName(variant));
  std::vector<std::string> headings = {"Item"};
  if (tab == 0) {
    headings.insert(headings.end(), {"Purchase Price", "Salvage Value", "Useful Life", "Taxes",
                                     machinery ? "Housing" : "Repairs", "Insurance"});
    if (machinery) headings.push_back("Licenses");
    headings.insert(headings.end(), {"Miscellaneous", "Interest Rate", "Annual SL Depreciation",
                                     "Annual Interest", "Annual " + rate});
  } else if (tab >= 2) {
    headings.insert(headings.end(), {"% Distribution", "Depreciation Distribution",
                                     "Interest Distribution", rate + " Distribution"});
  }
  return RenderTable(worksheet, machinery ? kMachineryList : kBuildingsList, tab,
                     machinery ? "Farm Machinery" : "Farm Buildings & Facilities", "Crop ",
                     " - Distribution by Crop", headings);
}

std::string RenderLivestockText(const CBudgetWorksheet& worksheet, int variant, int tab) {
  const bool purchased = variant == kPurchasedLivestock;
  std::vector<std::string> headings = {"Animal Name"};
  if (tab == 0) {
    headings.insert(headings.end(), {"Number Head", "Purchase Price", "Salvage Value",
                                     "Useful Life", "Interest Rate"});
    if (purchased) headings.push_back("Annual SL Depreciation");
    headings.push_back("Annual Interest");
  } else if (tab >= 2) {
    headings.push_back("% Distribution");
    if (purchased) headings.push_back("Depreciation Distribution");
    headings.push_back("Interest Distribution");
  }
  return RenderTable(
      worksheet, purchased ? kPurchasedLivestockList : kRetainedLivestockList, tab,
      purchased ? "Purchased Livestock Investment" : "Retained Livestock Investment", "Budget ",
      " - Distribution by Livestock Budget", headings);
}
