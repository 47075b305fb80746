#pragma once
// Exact copies of a budget's parts, kept in memory: an undone change must give
// back every amount to the last bit, not as the file's four decimals round it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/crop_budget.h"

struct LineState {
  std::string label;
  std::string units;
  double value = 0;
  double quantity = 0;
  double weight = 0;
  std::int32_t kind = 0;
  std::int32_t source = 0;
  std::int32_t stale = 0;

  static LineState Of(const CBudgetLine& line);
  std::unique_ptr<CBudgetLine> Make() const;
  void PutInto(CBudgetLine& line) const;
  bool operator==(const LineState&) const = default;
  std::size_t HeldBytes() const;
};

struct BudgetHeader {
  std::string publicationId;
  std::string title;
  std::string footnote;
  std::int32_t numUnits = 0;
  std::string herdUnitName;
  double interestRate = 0;
  double interestTerm = 0;

  static BudgetHeader Of(const CCropBudget& budget);
  void PutInto(CCropBudget& budget) const;
  bool operator==(const BudgetHeader&) const = default;
  std::size_t HeldBytes() const;
};

// A whole budget: its header and its three sections.
struct BudgetState {
  BudgetHeader header;
  std::vector<std::vector<LineState>> sections;

  static BudgetState Of(const CCropBudget& budget);
  std::unique_ptr<CCropBudget> Make() const;
  bool operator==(const BudgetState&) const = default;
  std::size_t HeldBytes() const;
};
