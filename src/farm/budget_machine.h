#pragma once
// A machine or a building: a whole-farm investment whose straight-line
// depreciation, interest on the average investment and overhead (THILM for
// machinery, TRIM for buildings) are shared among the budgets by percentage.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "farm/whole_farm_record.h"

// The two lists the record serves.
enum MachineVariant : int { kMachinery = 0, kBuildings = 1 };

inline constexpr std::size_t kMachineLabelChars = 32;
inline constexpr int kOverheadFields = 5;

// A year's amounts; a negative amount is empty.
struct MachineAmounts {
  double average = -1;
  double depreciation = -1;
  double interest = -1;
  double overhead = -1;
};

class CBudgetMachine {
 public:
  std::string label;
  double purchasePrice = -1;
  double salvageValue = -1;
  double interestRate = -1;
  double taxes = -1;
  double housing = -1;  // repairs, for a building
  double insurance = -1;
  double licenses = -1;  // machinery only
  double miscellaneous = -1;
  std::int32_t usefulLife = -1;
  AllocationSlots allocation;
  std::unique_ptr<CBudgetMachine> next;

  static constexpr std::string_view kClipboardElement = "BUDGETMACHINE";
  static constexpr std::size_t kClipboardCopyBytes = 2451;
  static constexpr std::size_t kClipboardPasteBytes = 4096;
  static const RecordMarkup<CBudgetMachine>& Markup();

  CBudgetMachine();
  ~CBudgetMachine();
  CBudgetMachine(const CBudgetMachine&) = delete;
  CBudgetMachine& operator=(const CBudgetMachine&) = delete;

  bool IsHeading() const { return false; }
  // Tab 0: 1 label, 2 purchase price, 3 salvage value, 4 useful life, 6 interest
  // rate. Tab 1: 2.. slot (column - 2).
  bool SetValue(const ListView& view, int column, std::string_view text, std::string* message);
  // The sum of the overhead percentages entered; -1 when none is.
  double GetOverheadRate() const;
  // Tab 0: the whole record's amounts; tab 2 + k: budget k's share. A budget
  // whose slot is empty, or beyond the slots, has no share.
  MachineAmounts Calculate(int tab) const;
  double GetTotalDistribution(int budgetCount) const;

  // The overhead percentages as the window's boxes show them, in box order; a
  // building's fourth box is its miscellaneous percentage and it has no fifth.
  std::array<double*, kOverheadFields> OverheadFields(int variant);
  // Stores the text of overhead box `index`; a building never has licenses.
  void SetOverheadField(int variant, int index, std::string_view text, std::string* message);

  void FillGridRow(GridEngine& grid, int row, const ListView& view) const;
  void GetRowText(std::string& text, const ListView& view) const;
};

// "THILM" or "TRIM".
std::string_view OverheadRateName(int variant);
// The overhead boxes' labels, in box order; empty for a box the variant has not.
std::array<std::string_view, kOverheadFields> OverheadFieldNames(int variant);
