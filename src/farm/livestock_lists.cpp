// What the purchased and retained livestock lists hand to the budgets.
#include "farm/livestock_lists.h"

bool SetCalculatedLivestockValues(FarmScope farm, const WholeFarmList<CLivestockInvestment>& list,
                                  int k) {
  std::unique_ptr<CCropBudget>* link = SlotAt(farm.budgets, k);
  if (!link || !*link) return false;
  CCropBudget& budget = **link;
  const bool purchased = list.variant == kPurchasedLivestock;
  const std::int32_t source = purchased ? kSourcePurchasedLivestock : kSourceRetainedLivestock;
  budget.MarkCalculated(source);
  if (k < MAX_ALLOCATIONS) {
    double depreciation = 0;
    double interest = 0;
    for (const CLivestockInvestment* record = list.Head(farm.lists).get(); record;
         record = record->next.get()) {
      const LivestockAmounts amounts = record->Calculate(2 + k);
      if (amounts.depreciation >= 0) depreciation += amounts.depreciation;
      if (amounts.interest >= 0) interest += amounts.interest;
    }
    if (purchased) {
      budget.SetCalculated(kSectionOwnership, "Purchased Livestock Depreciation", depreciation,
                           source, true);
      budget.SetCalculated(kSectionOwnership, "Purchased Livestock Interest", interest, source,
                           true);
    } else {
      budget.SetCalculated(kSectionOwnership, "Retained Livestock Interest", interest, source, true);
    }
  }
  budget.RemoveStale();
  return true;
}
