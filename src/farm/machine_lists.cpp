// What the machinery and buildings lists hand to the budgets.
#include "farm/machine_lists.h"

#include "farm/budget_hand_over.h"

bool SetCalculatedMachineValues(FarmScope farm, const WholeFarmList<CBudgetMachine>& list, int k) {
  const bool machinery = list.variant == kMachinery;
  const std::int32_t source = machinery ? kSourceMachine : kSourceBuilding;
  return HandToBudget(farm, k, source, [&](CCropBudget& budget) {
    MachineAmounts sums{0, 0, 0, 0};
    for (const CBudgetMachine* record = list.Head(farm.lists).get(); record;
         record = record->next.get()) {
      const MachineAmounts amounts = record->Calculate(2 + k);
      if (amounts.depreciation >= 0) sums.depreciation += amounts.depreciation;
      if (amounts.interest >= 0) sums.interest += amounts.interest;
      if (amounts.overhead >= 0) sums.overhead += amounts.overhead;
    }
    budget.SetCalculated(kSectionOwnership,
                         machinery ? "Machinery Depreciation" : "Building Depreciation",
                         sums.depreciation, source, true);
    budget.SetCalculated(kSectionOwnership, machinery ? "Machinery Interest" : "Building Interest",
                         sums.interest, source, true);
    budget.SetCalculated(kSectionOwnership, machinery ? "Machinery THILM" : "Building TRIM",
                         sums.overhead, source, true);
  });
}
