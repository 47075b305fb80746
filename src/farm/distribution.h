#pragma once
// Whole-farm records hand their costs to the budgets through one slot per budget
// position. Slot k belongs to the budget at position k; a negative value is empty.

#include <array>

inline constexpr int MAX_ALLOCATIONS = 20;

using AllocationSlots = std::array<double, MAX_ALLOCATIONS>;

// What a list's slots hold: shares checked against 100 %, or counts.
enum class SlotMeaning { kPercentages, kCounts };

// Slots a budget count can use: the budgets beyond the slots have none.
inline int SlotsInUse(int budgetCount) {
  if (budgetCount < 0) return 0;
  return budgetCount < MAX_ALLOCATIONS ? budgetCount : MAX_ALLOCATIONS;
}

// The sum of the shares above 0 over the slots of the budgets that exist.
inline double TotalDistribution(const AllocationSlots& shares, int budgetCount) {
  double sum = 0;
  for (int k = 0; k < SlotsInUse(budgetCount); ++k) {
    if (shares[static_cast<std::size_t>(k)] > 0) sum += shares[static_cast<std::size_t>(k)];
  }
  return sum;
}

// A budget at position k was deleted: the budgets after it move down one place,
// and so do their slots; the last slot becomes empty (-1).
template <typename T>
void RemoveAllocationSlot(std::array<T, MAX_ALLOCATIONS>& values, int k, T empty) {
  if (k < 0 || k >= MAX_ALLOCATIONS) return;
  for (int i = k; i + 1 < MAX_ALLOCATIONS; ++i) values[i] = values[i + 1];
  values[MAX_ALLOCATIONS - 1] = empty;
}
