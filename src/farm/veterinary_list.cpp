// What the veterinary list hands to the budgets.
#include "farm/veterinary_list.h"

void SetCalculatedVeterinaryValues(FarmScope farm) {
  for (CCropBudget* budget = farm.budgets.get(); budget; budget = budget->next.get()) {
    budget->MarkCalculated(kSourceVeterinary);
  }
  const CVeterinaryCost* list = farm.lists.pVeterinaryCosts.get();
  int k = 0;
  for (CCropBudget* budget = farm.budgets.get(); budget && k < MAX_ALLOCATIONS;
       budget = budget->next.get(), ++k) {
    const double total = VeterinaryTotal(list, k);
    if (total > 0) {
      budget->SetCalculated(kSectionOperating, "Veterinary Costs", total, kSourceVeterinary, true);
    }
  }
  for (CCropBudget* budget = farm.budgets.get(); budget; budget = budget->next.get()) {
    budget->RemoveStale();
  }
}
