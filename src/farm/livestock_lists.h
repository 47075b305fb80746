#pragma once
// The purchased and the retained livestock lists: one record class in two
// variants. Purchased stock gives each budget a depreciation and an interest
// row; retained stock an interest row only.

#include <memory>

#include "farm/list_grid.h"
#include "farm/whole_farm_list.h"
#include "farm/whole_farm_lists.h"

inline constexpr WholeFarmList<CLivestockInvestment> kPurchasedLivestockList{
    "PURCHASEDLIVESTOCK", &WholeFarmLists::pPurchasedLivestock, kFormatLivestockInvestment,
    kPurchasedLivestock};
inline constexpr WholeFarmList<CLivestockInvestment> kRetainedLivestockList{
    "RETAINEDLIVESTOCK", &WholeFarmLists::pRetainedLivestock, kFormatLivestockInvestment,
    kRetainedLivestock};

// Budget k's rows from the list, set even when the sums are 0; false when there
// is no budget k. A budget beyond the slots shares in nothing and loses the rows.
bool SetCalculatedLivestockValues(FarmScope farm, const WholeFarmList<CLivestockInvestment>& list,
                                  int k);

// The input tab, the distribution tab and one values tab per budget.
std::unique_ptr<ListGrid> MakeLivestockGrid(FarmScope farm,
                                            const WholeFarmList<CLivestockInvestment>& list);
