#pragma once
// The two general farm expense lists: operating and ownership costs. Each
// heading's group hands one calculated row to every budget.

#include <memory>

#include "farm/list_grid.h"
#include "farm/whole_farm_list.h"
#include "farm/whole_farm_lists.h"

inline constexpr WholeFarmList<CExpenseLne> kOperatingExpenseList{
    "OPERATINGEXPENSE", &WholeFarmLists::pOperatingExpenses, kFormatExpense};
inline constexpr WholeFarmList<CExpenseLne> kOwnershipExpenseList{
    "OWNERSHIPEXPENSE", &WholeFarmLists::pOwnershipExpenses, kFormatExpense};

// The lists a new worksheet starts with.
void BuildDefaultExpenseLists(WholeFarmLists& lists);
// True when either list holds an item whose total is above 0.
bool HasExpenseItems(const WholeFarmLists& lists);
// Every heading's amount for each budget becomes a calculated row of the
// budget's operating or ownership section; rows no longer produced go.
void SetCalculatedExpenseValues(FarmScope farm);

// Both lists in one grid, each under its section row and followed by a row for
// a new item.
std::unique_ptr<ListGrid> MakeExpenseGrid(FarmScope farm);
