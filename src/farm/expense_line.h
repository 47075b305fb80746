#pragma once
// One line of a general farm expense list: a heading, or an item whose total is
// distributed over the budgets by percentage.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "farm/whole_farm_record.h"

inline constexpr std::size_t kExpenseLabelChars = 32;

class CExpenseLne {
 public:
  std::string label;
  std::int32_t heading = 0;
  double total = -1;
  AllocationSlots allocation;
  std::unique_ptr<CExpenseLne> next;

  static constexpr std::string_view kClipboardElement = "EXPENSELINE";
  static constexpr std::size_t kClipboardCopyBytes = 4096;
  static constexpr std::size_t kClipboardPasteBytes = 4096;
  static const RecordMarkup<CExpenseLne>& Markup();

  CExpenseLne();
  ~CExpenseLne();
  CExpenseLne(const CExpenseLne&) = delete;
  CExpenseLne& operator=(const CExpenseLne&) = delete;

  bool IsHeading() const { return heading != 0; }
  // Columns: 1 label, 2 total, 3.. allocation slot (column - 3).
  bool SetValue(const ListView& view, int column, std::string_view text, std::string* message);
  // k is a budget position, or -1 for the total column.
  double GetHeadingValue(int k) const;
  double GetTotalDistribution(int budgetCount) const;
  // Columns beyond the slots stay empty and protected.
  void FillGridRow(GridEngine& grid, int row, const ListView& view) const;
  void GetRowText(std::string& text, const ListView& view) const;
};
