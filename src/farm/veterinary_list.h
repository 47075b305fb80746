#pragma once
// The veterinary list: treatments whose slots count what each budget uses, and
// headings that only group the display. Each budget's total is one calculated
// operating row.

#include <memory>

#include "farm/list_grid.h"
#include "farm/whole_farm_list.h"
#include "farm/whole_farm_lists.h"

inline constexpr WholeFarmList<CVeterinaryCost> kVeterinaryList{
    "VETERINARYCOST", &WholeFarmLists::pVeterinaryCosts, kFormatVeterinary, 0,
    SlotMeaning::kCounts};

// Budgets whose total is above 0 get a "Veterinary Costs" row; the others lose theirs.
void SetCalculatedVeterinaryValues(FarmScope farm);

// The treatments, a row for a new one, and each budget's total.
std::unique_ptr<ListGrid> MakeVeterinaryGrid(FarmScope farm);
