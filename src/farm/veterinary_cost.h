#pragma once
// One line of the veterinary list: a heading, or a treatment whose slots count
// the treatments each budget uses.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "farm/distribution.h"

class CTagBuffer;
class GridEngine;
class PlatformWindow;

inline constexpr std::size_t kVeterinaryLabelChars = 32;
inline constexpr std::size_t kVeterinaryUnitsChars = 8;
inline constexpr std::size_t kVeterinaryClipboardBytes = 4096;

class CVeterinaryCost {
 public:
  std::string label;
  std::string units;
  double cost = -1;
  AllocationSlots allocation;
  std::int32_t heading = 0;
  std::unique_ptr<CVeterinaryCost> next;

  CVeterinaryCost();
  ~CVeterinaryCost();
  CVeterinaryCost(const CVeterinaryCost&) = delete;
  CVeterinaryCost& operator=(const CVeterinaryCost&) = delete;

  // Columns: 1 label, 2 units, 3 cost, 4.. slot (column - 4).
  bool SetValue(int column, std::string_view text, std::string* message);
  double GetBudgetCost(int k) const;
  double GetHeadingValue(int k) const;
  // Columns beyond the slots stay empty and protected.
  void FillGridRow(GridEngine& grid, int row, int budgetCount) const;
  void GetRowText(std::string& text, int budgetCount) const;
  void WriteTags(CTagBuffer& buffer, std::string_view element, int budgetCount) const;
  void ReadTags(std::string_view text, std::size_t start, std::size_t end);
  bool CopyToClipboard(PlatformWindow* window, int budgetCount) const;
  bool PasteFromClipboard(PlatformWindow* window);
};

// Sum over the list of the budget costs above 0 for budget k.
double VeterinaryTotal(const CVeterinaryCost* list, int k);
