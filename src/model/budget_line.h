#pragma once
// One row of a livestock budget: an item, a heading or a calculated row.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CCropBudget;
class CTagBuffer;
class TagIndex;
class GridEngine;
class PlatformWindow;

inline constexpr std::size_t kLineLabelChars = 32;
inline constexpr std::size_t kLineUnitsChars = 8;

enum BudgetSection : int { kSectionReturns = 0, kSectionOperating = 1, kSectionOwnership = 2 };

enum LineKind : std::int32_t {
  kKindLabelOnly = 0,
  kKindHeading = 1,
  kKindTotal = 2,      // Value is the item's total for the herd
  kKindPerAnimal = 3,  // Value is per animal or herd unit
  kKindQuantity = 4,   // Value is a price per unit of measurement
};

enum CalculatedSource : std::int32_t {
  kSourceNone = 0,
  kSourceMachine = 1,
  kSourceExpense = 2,
  kSourceBuilding = 3,
  kSourceInterest = 4,
  kSourceVeterinary = 5,
  kSourcePurchasedLivestock = 6,
  kSourceRetainedLivestock = 7,
};

// The word that marks a source in the document; empty for kSourceNone.
std::string_view SourceWord(std::int32_t source);

class CBudgetLine {
 public:
  std::string label;
  std::string units;
  double value = -1.0;
  double quantity = -1.0;
  double weight = -1.0;
  std::int32_t kind = kKindLabelOnly;
  std::int32_t source = kSourceNone;
  std::unique_ptr<CBudgetLine> next;
  std::int32_t stale = 0;

  CBudgetLine() = default;
  // Frees the rest of the chain one line at a time: a long section must not
  // recurse once per line.
  ~CBudgetLine();
  CBudgetLine(const CBudgetLine&) = delete;
  CBudgetLine& operator=(const CBudgetLine&) = delete;

  bool IsCalculated() const { return source != kSourceNone; }

  // n is the budget's number of animals or herd units, -1 when not specified.
  double GetTotal(std::int32_t n) const;
  double GetPerUnit(std::int32_t n) const;
  double GetHeadingTotal(std::int32_t n) const;
  double GetHeadingPerUnit(std::int32_t n) const;

  void SetKind(std::int32_t newKind);
  bool SetValue(int column, std::string_view text, std::string* message);
  void CopyFrom(const CBudgetLine& other);

  void FillGridRow(GridEngine& grid, int row, const CCropBudget& budget, int section) const;
  void GetRowText(std::string& text, const CCropBudget& budget) const;
  // The text row's cells after the label: weight, units, quantity, price,
  // total and value per animal or herd unit.
  std::array<std::string, 6> RowTextCells(const CCropBudget& budget) const;
  void WriteTags(CTagBuffer& buffer, std::string_view element, std::string_view extra) const;
  void ReadTags(std::string_view text, std::size_t start, std::size_t end);
  void ReadTags(const TagIndex& tags);

  bool CopyToClipboard(PlatformWindow* window, const CCropBudget& budget, int section) const;
  bool PasteFromClipboard(PlatformWindow* window, int targetSection);

  // Text of the label cell: the label, with the interest rate on the interest row.
  std::string LabelCellText(const CCropBudget& budget) const;
};

// A place in a section's chain: the link that holds a line, or the empty link
// at the end where a new line goes.
using LineSlot = std::unique_ptr<CBudgetLine>;
