#pragma once
// A livestock enterprise budget: header, three sections of lines, totals.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "model/budget_line.h"
#include "platform/resource_ids.h"

class Dialog;
class PlatformWindow;

inline constexpr std::size_t kBudgetIdChars = 12;
inline constexpr std::size_t kBudgetTitleChars = 70;
inline constexpr std::size_t kBudgetFootnoteChars = 512;
inline constexpr std::size_t kHerdUnitChars = 12;

struct SectionTotals {
  double returns = 0;
  double operating = 0;
  double ownership = 0;
};

// CountLines of every section.
inline constexpr int kAllSections = 3;

class CCropBudget {
 public:
  std::string publicationId;
  std::string title;
  std::string footnote;
  std::int32_t numUnits = -1;
  std::string herdUnitName;
  double interestRate = -1.0;
  double interestTerm = 5.0;
  std::unique_ptr<CCropBudget> next;
  std::array<std::unique_ptr<CBudgetLine>, 3> sections;

  CCropBudget();
  ~CCropBudget();
  CCropBudget(const CCropBudget&) = delete;
  CCropBudget& operator=(const CCropBudget&) = delete;

  int SetValue(int rowOrField, int column, std::string_view text, std::string* message);
  int HandleRowOperation(int command, GridEngine& grid);
  void FillGrid(GridEngine& grid);
  // After a cell of that row was edited, with the grid as the budget filled it
  // before: rewrites only the rows the edit can have changed, or every row
  // when the edit added a line.
  void FillGridAfterEdit(GridEngine& grid, int row);
  // The main window's header controls and the tab's label; with labelOnly the
  // edits keep what they hold.
  void ShowHeader(Dialog& mainWindow, int tabIndex, bool labelOnly) const;

  std::string GetFieldText(int field) const;
  std::string GetDisplayName() const;

  // nullptr for rows that hold no line place.
  LineSlot* GetLineSlot(int row);
  int GetSectionOfRow(int row) const;
  // The section and index of the line place a grid row shows; false for rows
  // that hold none.
  bool GetLinePlace(int row, int* section, int* index) const;
  int CountLines(int section) const;  // kAllSections counts all sections

  SectionTotals GetSectionTotals(bool perUnit) const;
  // Refreshes the operating interest row first.
  void GetNetReturns(double* returns, double* costs, double* net);
  void GetPerUnitMargin(double* returns, double* operating, double* margin) const;

  void WriteTags(CTagBuffer& buffer, std::string_view element) const;
  // Also tells whether the pass over the rows saw that no element of `others`
  // opens inside: a reader of those may then leave the budget unread.
  bool ReadTags(std::string_view text, std::size_t start, std::size_t end,
                std::span<const std::string_view> others = {});
  void CopyFrom(const CCropBudget& other);

  // Calculated rows.
  void MarkCalculated(std::int32_t source);
  bool SetCalculated(int section, std::string_view label, double amount, std::int32_t source,
                     bool create);
  void RemoveStale();
  void UpdateOperatingInterest(bool create);
  // Brings the operating interest row up to date as showing the budget does;
  // true when that changes what a save writes (a file whose row no longer
  // matches its costs).
  bool RefreshOperatingInterest();
  bool SetInterestFromDialog(PlatformWindow& dialog);

  // Append a line at the end of a section; returns it.
  CBudgetLine& AppendLine(int section);

 private:
  // The place of the first line of the section with that label (without regard
  // to case) and source, or the empty end of the section.
  LineSlot* FindCalculated(int section, std::string_view label, std::int32_t source);
};
