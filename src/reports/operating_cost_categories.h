#pragma once
// The operating cost summary's table: every operating cost heading of every
// budget, headings that differ only in letter case taken as one category.

#include <cstddef>
#include <string>
#include <vector>

class CBudgetWorksheet;

inline constexpr std::size_t kMaxCostCategories = 1000;
inline constexpr std::size_t kCostCategoryNameChars = 39;

struct CostCategory {
  std::string name;  // as first met, at most kCostCategoryNameChars characters
  double total = 0;
};

// Each heading adds the totals of the lines under it. A heading with no line
// under it still names its category, adding nothing. Labels beyond the first
// kMaxCostCategories are dropped. Sorted by name, ignoring case.
std::vector<CostCategory> OperatingCostCategories(const CBudgetWorksheet& worksheet);
