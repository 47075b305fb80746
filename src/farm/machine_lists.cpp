// What the machinery and buildings lists hand to the budgets.
#include "farm/machine_lists.h"

bool SetCalculatedMachineValues(FarmScope farm, const WholeFarmList<CBudgetMachine>& list, int k) {
  std::unique_ptr<CCropBudget>* link = SlotAt(farm.budgets, k);
  if (!link || !*link) return false;
  CCropBudget& budget = **link;
  const bool machinery = list.variant == kMachinery;
  const std::int32_t source = machinery ? kSourceMachine : kSourceBuilding;
  budget.MarkCalculated(source);
  if (k < MAX_ALLOCATIONS) {
    double depreciation = 0;
    double interest = 0;
    double overhead = 0;
    for (const CBudgetMachine* record = list.Head(farm.lists).get(); record;
         record = record->next.get()) {
      const MachineAmounts amounts = record->Calculate(2 + k);
      if (amounts.depreciation >= 0) depreciation += amounts.depreciation;
      if (amounts.interest >= 0) interest += amounts.interest;
      if (amounts.overhead >= 0) overhead += amounts.overhead;
    }
    budget.SetCalculated(kSectionOwnership,
                         machinery ? "Machinery Depreciation" : "Building Depreciation",
                         depreciation, source, true);
    budget.SetCalculated(kSectionOwnership, machinery ? "Machinery Interest" : "Building Interest",
                         interest, source, true);
    budget.SetCalculated(kSectionOwnership, machinery ? "Machinery THILM" : "Building TRIM",
                         overhead, source, true);
  }
  budget.RemoveStale();
  return true;
}
