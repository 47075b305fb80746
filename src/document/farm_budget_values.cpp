// What the whole-farm lists hand to the budgets, and the lists a new worksheet
// starts with.
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "document/worksheet.h"
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

// Budgets beyond the slots have none, so they get nothing from the lists.
int PositionsWithSlots(const CBudgetWorksheet& document) {
  return SlotsInUse(document.CountBudgets());
}

void CopyHeadings(CBudgetWorksheet& document, const CExpenseLne* line, int section,
                  const char* unnamed) {
  const int positions = PositionsWithSlots(document);
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
      CCropBudget* budget = document.GetBudget(k);
      if (!budget) {
        App_MessageBox("NULL pBudget pointer in CBudgetWorksheet::SetCalculatedExpenseValues");
        continue;
      }
      budget->SetCalculated(section, label, amount, kSourceExpense, true);
    }
  }
}

}  // namespace

int CBudgetWorksheet::SetDefaultExpenses() {
  if (lists.HasExpenseLists()) {
    App_MessageBox(
        "Called CBudgetWorksheet::SetDefaultExpenses with non-NULL pOperatingExpenses or "
        "pOwnershipExpenses.");
    return 0;
  }
  BuildList(lists.pOperatingExpenses, kDefaultOperating);
  BuildList(lists.pOwnershipExpenses, kDefaultOwnership);
  return 1;
}

void CBudgetWorksheet::SetCalculatedExpenseValues() {
  for (CCropBudget* budget = budgets.get(); budget; budget = budget->next.get()) {
    budget->MarkCalculated(kSourceExpense);
  }
  bool warned = false;
  const CExpenseLne* operating = lists.pOperatingExpenses.get();
  if (operating && !operating->heading) {
    App_MessageBox(kNoHeadingMessage);
    warned = true;
  }
  CopyHeadings(*this, operating, kSectionOperating, "Operating Expense %d");
  const CExpenseLne* ownership = lists.pOwnershipExpenses.get();
  if (!warned && ownership && !ownership->heading) App_MessageBox(kNoHeadingMessage);
  CopyHeadings(*this, ownership, kSectionOwnership, "Ownership Expense %d");
  for (CCropBudget* budget = budgets.get(); budget; budget = budget->next.get()) {
    budget->RemoveStale();
  }
}

double CBudgetWorksheet::GetVeterinaryTotal(int position) const {
  return VeterinaryTotal(lists.pVeterinaryCosts.get(), position);
}

void CBudgetWorksheet::SetCalculatedVeterinaryValues() {
  for (CCropBudget* budget = budgets.get(); budget; budget = budget->next.get()) {
    budget->MarkCalculated(kSourceVeterinary);
  }
  int k = 0;
  for (CCropBudget* budget = budgets.get(); budget && k < MAX_ALLOCATIONS;
       budget = budget->next.get(), ++k) {
    const double total = GetVeterinaryTotal(k);
    if (total > 0) budget->SetCalculated(kSectionOperating, "Veterinary Costs", total,
                                         kSourceVeterinary, true);
  }
  for (CCropBudget* budget = budgets.get(); budget; budget = budget->next.get()) {
    budget->RemoveStale();
  }
}
