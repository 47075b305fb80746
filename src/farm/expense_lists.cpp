// What the general farm expense lists hand to the budgets, and the lists a new
// worksheet starts with.
#include "farm/expense_lists.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/app_message.h"

namespace {

struct DefaultLine {
  std::string_view label;
  bool heading;
};

constexpr std::array<DefaultLine, 6> kDefaultOperating = {{
    {"Repairs", true},
    {"Enter repair items here", false},
    {"Fuel", true},
    {"Enter fuel items here", false},
    {"Labor", true},
    {"Enter labor items here", false},
}};

constexpr std::array<DefaultLine, 12> kDefaultOwnership = {{
    {"Management Fee", true},
    {"Enter management fee here", false},
    {"Farm Overhead Expenses", true},
    {"Accounting fees", false},
    {"Legal fees", false},
    {"Tax preparation fees", false},
    {"Office expenses", false},
    {"Shop/office utilities", false},
    {"Phone/Internet", false},
    {"Dues", false},
    {"Liability Insurance", false},
    {"Casualty insurance", false},
}};

constexpr std::string_view kNoHeadingMessage =
    "Values without a heading will not be copied over. \nRight click on a value to add a "
    "heading.";

template <std::size_t N>
void BuildList(std::unique_ptr<CExpenseLne>& head, const std::array<DefaultLine, N>& lines) {
  std::unique_ptr<CExpenseLne>* tail = &head;
  for (const DefaultLine& line : lines) {
    *tail = std::make_unique<CExpenseLne>();
    (*tail)->label = std::string(line.label);
    (*tail)->heading = line.heading ? 1 : 0;
    tail = &(*tail)->next;
  }
}

bool HasItemWithTotal(const CExpenseLne* line) {
  for (; line; line = line->next.get()) {
    if (!line->heading && line->total > 0) return true;
  }
  return false;
}

void CopyHeadings(FarmScope farm, const CExpenseLne* line, int section, const char* unnamed) {
  // Budgets beyond the slots have none, so they get nothing from the lists.
  const int positions = SlotsInUse(farm.CountBudgets());
  for (int number = 1; line; line = line->next.get(), ++number) {
    if (!line->heading) continue;
    std::string label = line->label;
    if (label.empty()) {
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, unnamed, number);
      label = buffer;
    }
    for (int k = 0; k < positions; ++k) {
      const double amount = line->GetHeadingValue(k);
      if (!(amount > 0)) continue;
      std::unique_ptr<CCropBudget>* budget = SlotAt(farm.budgets, k);
      if (!budget || !*budget) {
        App_MessageBox("NULL pBudget pointer in CBudgetWorksheet::SetCalculatedExpenseValues");
        continue;
      }
      (*budget)->SetCalculated(section, label, amount, kSourceExpense, true);
    }
  }
}

}  // namespace

void BuildDefaultExpenseLists(WholeFarmLists& lists) {
  BuildList(lists.pOperatingExpenses, kDefaultOperating);
  BuildList(lists.pOwnershipExpenses, kDefaultOwnership);
}

bool HasExpenseItems(const WholeFarmLists& lists) {
  return HasItemWithTotal(lists.pOperatingExpenses.get()) ||
         HasItemWithTotal(lists.pOwnershipExpenses.get());
}

void SetCalculatedExpenseValues(FarmScope farm) {
  for (CCropBudget* budget = farm.budgets.get(); budget; budget = budget->next.get()) {
    budget->MarkCalculated(kSourceExpense);
  }
  bool warned = false;
  const CExpenseLne* operating = farm.lists.pOperatingExpenses.get();
  if (operating && !operating->heading) {
    App_MessageBox(kNoHeadingMessage);
    warned = true;
  }
  CopyHeadings(farm, operating, kSectionOperating, "Operating Expense %d");
  const CExpenseLne* ownership = farm.lists.pOwnershipExpenses.get();
  if (!warned && ownership && !ownership->heading) App_MessageBox(kNoHeadingMessage);
  CopyHeadings(farm, ownership, kSectionOwnership, "Ownership Expense %d");
  for (CCropBudget* budget = farm.budgets.get(); budget; budget = budget->next.get()) {
    budget->RemoveStale();
  }
}
