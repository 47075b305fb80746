#include "reports/whole_farm_text.h"

#include <cstddef>
#include <string_view>

#include "document/worksheet.h"
#include "farm/budget_column_name.h"
#include "model/line_chain.h"
#include "platform/clipboard.h"
#include "platform/platform.h"

namespace {

// Room ahead for the rows, so that a long list is not moved as it grows.
constexpr std::size_t kBytesPerRecord = 1819;
constexpr std::size_t kFixedBytes = 4096;

std::string Reserved(int records) {
  std::string text;
  text.reserve(static_cast<std::size_t>(records) * kBytesPerRecord + kFixedBytes);
  return text;
}

// Calls append with each budget's column name, in worksheet order.
template <class Append>
void ForEachColumnName(const CBudgetWorksheet& worksheet, std::string_view emptyPrefix,
                       Append append) {
  int position = 0;
  for (const CCropBudget* budget = worksheet.budgets.get(); budget; budget = budget->next.get())
    append(BudgetColumnName(*budget, position++, emptyPrefix));
}

void AppendExpenseRows(std::string& text, const CExpenseLne* line, int budgetCount) {
  for (; line; line = line->next.get()) {
    line->GetRowText(text, {0, budgetCount});
    text += '\n';
  }
}

}  // namespace

std::string RenderExpenseText(const CBudgetWorksheet& worksheet) {
  const WholeFarmLists& lists = worksheet.lists;
  const int budgetCount = worksheet.CountBudgets();
  std::string text =
      Reserved(ChainLength(lists.pOperatingExpenses) + ChainLength(lists.pOwnershipExpenses));
  text += "Item\tTotal Cost\t";
  ForEachColumnName(worksheet, "Crop ", [&text](const std::string& name) {
    text += name;
    text += " Distribution\t";
  });
  text += "\nOPERATING COSTS\n";
  AppendExpenseRows(text, lists.pOperatingExpenses.get(), budgetCount);
  text += "\nOWNERSHIP COSTS\n";
  AppendExpenseRows(text, lists.pOwnershipExpenses.get(), budgetCount);
  return text;
}

std::string RenderVeterinaryText(const CBudgetWorksheet& worksheet) {
  const CVeterinaryCost* list = worksheet.lists.pVeterinaryCosts.get();
  const int budgetCount = worksheet.CountBudgets();
  std::string text = Reserved(ChainLength(worksheet.lists.pVeterinaryCosts));
  text += "VETERINARY COSTS\r\n";
  text += "Veterinary Treatments\tUnit of Measurement\tCost per Treatment or Unit\t";
  for (const char* prefix : {"# Treatments or Units ", "Total Cost "}) {
    ForEachColumnName(worksheet, "Budget ", [&text, prefix](const std::string& name) {
      text += prefix;
      text += name;
      text += '\t';
    });
  }
  text += "\r\n";
  for (; list; list = list->next.get()) list->GetRowText(text, {0, budgetCount});
  return text;
}

bool CopyTextToClipboard(PlatformWindow* owner,
                         const std::function<std::optional<std::string>()>& render) {
  Clipboard& clipboard = App_Platform().GetClipboard();
  if (!clipboard.Open(owner)) return false;
  clipboard.Empty();
  const std::optional<std::string> text = render();
  const bool placed = text && clipboard.Put(kClipboardTextFormat, *text);
  clipboard.Close();
  return placed;
}
