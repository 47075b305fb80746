#pragma once
// One line of the veterinary list: a heading, or a treatment whose slots count
// the treatments each budget uses.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "farm/whole_farm_record.h"

inline constexpr std::size_t kVeterinaryLabelChars = 32;
inline constexpr std::size_t kVeterinaryUnitsChars = 8;

class CVeterinaryCost {
 public:
  std::string label;
  std::string units;
  double cost = -1;
  AllocationSlots allocation;
  std::int32_t heading = 0;
  std::unique_ptr<CVeterinaryCost> next;

  static constexpr std::string_view kClipboardElement = "VETERINARYCOST";
  static constexpr std::size_t kClipboardCopyBytes = 4096;
  static constexpr std::size_t kClipboardPasteBytes = 4096;
  static const RecordMarkup<CVeterinaryCost>& Markup();

  CVeterinaryCost();
  ~CVeterinaryCost();
  CVeterinaryCost(const CVeterinaryCost&) = delete;
  CVeterinaryCost& operator=(const CVeterinaryCost&) = delete;

  bool IsHeading() const { return heading != 0; }
  // Columns: 1 label, 2 units, 3 cost, 4.. slot (column - 4).
  bool SetValue(const ListView& view, int column, std::string_view text, std::string* message);
  double GetBudgetCost(int k) const;
  double GetHeadingValue(int k) const;
  // Columns beyond the slots stay empty and protected.
  void FillGridRow(GridEngine& grid, int row, const ListView& view) const;
  void GetRowText(std::string& text, const ListView& view) const;
};

// Sum over the list of the budget costs above 0 for budget k.
double VeterinaryTotal(const CVeterinaryCost* list, int k);
