#pragma once
// The machinery list and the buildings/facilities list: one record class in
// two variants. Each budget gets three ownership rows per list: depreciation,
// interest and overhead.

#include <memory>

#include "farm/list_grid.h"
#include "farm/whole_farm_list.h"
#include "farm/whole_farm_lists.h"

inline constexpr WholeFarmList<CBudgetMachine> kMachineryList{
    "BUDGETMACHINE", &WholeFarmLists::pMachinery, kFormatMachine, kMachinery};
inline constexpr WholeFarmList<CBudgetMachine> kBuildingsList{
    "BUDGETBUILDING", &WholeFarmLists::pBuildings, kFormatBuilding, kBuildings};

// Budget k's three rows from the list, set even when the sums are 0; false when
// there is no budget k. A budget beyond the slots shares in nothing and loses
// the rows.
bool SetCalculatedMachineValues(FarmScope farm, const WholeFarmList<CBudgetMachine>& list, int k);

// The input tab, the distribution tab and one values tab per budget.
std::unique_ptr<ListGrid> MakeMachineGrid(FarmScope farm,
                                          const WholeFarmList<CBudgetMachine>& list);
