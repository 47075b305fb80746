#pragma once
// How a list hands one budget its calculated rows of one source.

#include <cstdint>
#include <memory>

#include "farm/distribution.h"
#include "farm/list_grid.h"

// Every row of the source is marked stale, setRows sets the rows the list gives
// (none for a budget beyond the slots) and the stale rest is removed. False when
// there is no budget k.
template <typename SetRows>
bool HandToBudget(FarmScope farm, int k, std::int32_t source, SetRows setRows) {
  std::unique_ptr<CCropBudget>* link = SlotAt(farm.budgets, k);
  if (!link || !*link) return false;
  CCropBudget& budget = **link;
  budget.MarkCalculated(source);
  if (k < MAX_ALLOCATIONS) setRows(budget);
  budget.RemoveStale();
  return true;
}
