#pragma once
// Whole-farm records hand their costs to the budgets through one slot per budget
// position.

#include <array>

inline constexpr int MAX_ALLOCATIONS = 20;

using AllocationSlots = std::array<double, MAX_ALLOCATIONS>;

// A budget at position k was deleted: the budgets after it move down one place,
// and so do their slots; the last slot becomes empty (-1).
template <typename T>
void RemoveAllocationSlot(std::array<T, MAX_ALLOCATIONS>& values, int k, T empty) {
  if (k < 0 || k >= MAX_ALLOCATIONS) return;
  for (int i = k; i + 1 < MAX_ALLOCATIONS; ++i) values[i] = values[i + 1];
  values[MAX_ALLOCATIONS - 1] = empty;
}
