// What the purchased and retained livestock lists hand to the budgets.
#include "farm/livestock_lists.h"

#include "farm/budget_hand_over.h"

bool SetCalculatedLivestockValues(FarmScope farm, const WholeFarmList<CLivestockInvestment>& list,
                                  int k) {
  const bool purchased = list.variant == kPurchasedLivestock;
  const std::int32_t source = purchased ? kSourcePurchasedLivestock : kSourceRetainedLivestock;
  return HandToBudget(farm, k, source, [&](CCropBudget& budget) {
    LivestockAmounts sums{0, 0, 0};
    for (const CLivestockInvestment* record = list.Head(farm.lists).get(); record;
         record = record->next.get()) {
      const LivestockAmounts amounts = record->Calculate(2 + k);
      if (amounts.depreciation >= 0) sums.depreciation += amounts.depreciation;
      if (amounts.interest >= 0) sums.interest += amounts.interest;
    }
    if (purchased) {
      budget.SetCalculated(kSectionOwnership, "Purchased Livestock Depreciation", sums.depreciation,
                           source, true);
      budget.SetCalculated(kSectionOwnership, "Purchased Livestock Interest", sums.interest,
                           source, true);
    } else {
      budget.SetCalculated(kSectionOwnership, "Retained Livestock Interest", sums.interest, source,
                           true);
    }
  });
}
