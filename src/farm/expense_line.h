#pragma once
// One line of a general farm expense list: a heading, or an item whose total is
// distributed over the budgets by percentage.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "farm/distribution.h"

class CTagBuffer;
class GridEngine;
class PlatformWindow;

inline constexpr std::size_t kExpenseLabelChars = 32;
inline constexpr std::size_t kExpenseClipboardBytes = 4096;

class CExpenseLne {
 public:
  std::string label;
  std::int32_t heading = 0;
  double total = -1;
  AllocationSlots allocation;
  std::unique_ptr<CExpenseLne> next;

  CExpenseLne();
  ~CExpenseLne();
  CExpenseLne(const CExpenseLne&) = delete;
  CExpenseLne& operator=(const CExpenseLne&) = delete;

  // Columns: 1 label, 2 total, 3.. allocation slot (column - 3).
  bool SetValue(int column, std::string_view text, std::string* message);
  // k is a budget position, or -1 for the total column.
  double GetHeadingValue(int k) const;
  double GetTotalDistribution(int budgetCount) const;
  // Columns beyond the slots stay empty and protected.
  void FillGridRow(GridEngine& grid, int row, int budgetCount) const;
  void GetRowText(std::string& text, int budgetCount) const;
  void WriteTags(CTagBuffer& buffer, std::string_view element, int budgetCount) const;
  void ReadTags(std::string_view text, std::size_t start, std::size_t end);
  bool CopyToClipboard(PlatformWindow* window, int budgetCount) const;
  bool PasteFromClipboard(PlatformWindow* window);
};

// Successive ALLOCATION elements of [start, end) fill slots from 0.
void ReadAllocationSlots(AllocationSlots& values, std::string_view text, std::size_t start,
                         std::size_t end);

// Slots a budget count can use: the budgets beyond the slots have none.
inline int SlotsInUse(int budgetCount) {
  if (budgetCount < 0) return 0;
  return budgetCount < MAX_ALLOCATIONS ? budgetCount : MAX_ALLOCATIONS;
}
