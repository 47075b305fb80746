#pragma once
// Purchased or retained breeding stock: an investment in head whose
// depreciation (purchased stock only) and interest on the average investment
// are shared among the budgets by percentage.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "farm/whole_farm_record.h"

// The two lists the record serves.
enum LivestockVariant : int { kPurchasedLivestock = 0, kRetainedLivestock = 1 };

inline constexpr std::size_t kLivestockLabelChars = 32;

// A year's amounts; a negative amount is empty.
struct LivestockAmounts {
  double average = -1;
  double depreciation = -1;
  double interest = -1;
};

class CLivestockInvestment {
 public:
  std::string label;
  std::int32_t numberHead = -1;
  double purchasePrice = -1;  // per head
  double salvageValue = -1;   // per head
  double interestRate = -1;
  std::int32_t usefulLife = -1;
  AllocationSlots allocation;
  std::unique_ptr<CLivestockInvestment> next;

  static constexpr std::string_view kClipboardElement = "LIVESTOCKINVESTMENT";
  static constexpr std::size_t kClipboardCopyBytes = 2451;
  static constexpr std::size_t kClipboardPasteBytes = 4096;
  static const RecordMarkup<CLivestockInvestment>& Markup();

  CLivestockInvestment();
  ~CLivestockInvestment();
  CLivestockInvestment(const CLivestockInvestment&) = delete;
  CLivestockInvestment& operator=(const CLivestockInvestment&) = delete;

  bool IsHeading() const { return false; }
  // Tab 0: 1 label, 2 number head, 3 purchase price, 4 salvage value, 5 useful
  // life, 6 interest rate. Tab 1: 2.. slot (column - 2).
  bool SetValue(const ListView& view, int column, std::string_view text, std::string* message);
  // Tab 0: the whole record's amounts; tab 2 + k: budget k's share. A budget
  // whose slot is empty, or beyond the slots, has no share.
  LivestockAmounts Calculate(int tab) const;
  double GetTotalDistribution(int budgetCount) const;

  void FillGridRow(GridEngine& grid, int row, const ListView& view) const;
  void GetRowText(std::string& text, const ListView& view) const;
};
