#pragma once
// The document: every livestock budget, the whole-farm lists and the producer's
// name, phone and address.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "farm/list_grid.h"
#include "farm/whole_farm_lists.h"
#include "model/crop_budget.h"
#include "platform/resource_ids.h"

class CTagBuffer;
class PlatformWindow;

inline constexpr std::string_view kProgramVersion = "1.95";
inline constexpr std::size_t kDocumentNameChars = 32;
inline constexpr std::size_t kDocumentPhoneChars = 32;
inline constexpr std::size_t kDocumentAddressChars = 150;

class CBudgetWorksheet {
 public:
  std::unique_ptr<CCropBudget> budgets;
  WholeFarmLists lists;
  std::string name;
  std::string phone;
  std::string address;

  CBudgetWorksheet();
  ~CBudgetWorksheet();
  CBudgetWorksheet(const CBudgetWorksheet&) = delete;
  CBudgetWorksheet& operator=(const CBudgetWorksheet&) = delete;

  void Clear();
  int CountBudgets() const;
  // With create set, missing budgets up to that position are appended first.
  CCropBudget* GetBudget(int position, bool create = false);
  bool DeleteBudget(int position);
  void SetField(int field, std::string_view text);

  // Writes through a temporary file, so a failed save leaves the previous file
  // as it was; the failure (a document too large to open again, a read-only
  // file, no memory...) is reported and the result is false.
  bool Save(const std::string& path);
  // Reports "Problem opening file <path>" and leaves the document empty when the
  // file cannot be read or holds no worksheet.
  bool Open(const std::string& path);

  // Every budget's RefreshOperatingInterest, run when a file has been opened:
  // true when a row changed, so the document no longer matches its file.
  bool RefreshOperatingInterest();

  // The bytes Save writes: Windows-1252 when every text fits it, else UTF-8.
  void WriteTags(CTagBuffer& buffer) const;
  // Reads a document's text (each text UTF-8, or Windows-1252 when not valid
  // UTF-8) into this cleared document; false when it holds no worksheet element.
  bool ReadTags(std::string_view fileText);

  // The whole-farm lists as their list code sees them.
  FarmScope Farm() { return {budgets, lists}; }
  // The default general expense lists. Returns 1, or 0 with a message when a
  // list already exists.
  int SetDefaultExpenses();
  // Whether an expense item has a total above 0.
  bool HasExpenseItems() const;

  // The "Copy Current Tab to Clipboard" command; tab 0 is the summary.
  bool CopyTabToClipboard(PlatformWindow* owner, int tab);
};
