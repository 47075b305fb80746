#pragma once
// The breakeven and sensitivity analysis of one budget: what another budget
// would have to yield or earn to match its gross margin, and which prices and
// yields cover its costs. One analysis lives as long as the program, so its
// increments, alternatives and mode outlast the window.

#include <array>
#include <cstdint>
#include <string>

class CBudgetWorksheet;
class CCropBudget;
class CBudgetLine;

enum class AnalysisMode { kGrossMargin, kSensitivity };

inline constexpr int kAlternatives = 4;
inline constexpr std::size_t kAnalysisUnitChars = 7;
// Increments of 100 % or more would make the lower yield or price zero or
// negative, and the breakevens infinite or negative.
inline constexpr int kLargestIncrement = 99;

class CBudgetAnalysis {
 public:
  int yieldIncrement = 5;  // percent
  int priceIncrement = 5;  // percent
  std::array<int, kAlternatives> alternatives{-1, -1, -1, -1};  // budget positions; -1 none
  AnalysisMode mode = AnalysisMode::kGrossMargin;

  // Why nothing could be analysed; empty when the last calculation was valid.
  std::string message;
  // [table][row][column], -1 where nothing was computed. Sensitivity: table 0
  // the breakeven prices (row 0 the yields), table 1 the breakeven yields (row 0
  // the prices); columns minus increment, base, plus increment. Gross margin:
  // table 0 row k the price, quantity, breakeven price and breakeven yield of
  // alternative k; row 4 column 0 the base budget's gross margin.
  std::array<std::array<std::array<double, 4>, 5>, 2> results{};
  std::array<std::string, kAlternatives + 1> names;  // alternatives, then the base
  std::array<std::string, kAlternatives> units;
  const CCropBudget* base = nullptr;
  const CBudgetLine* returnLine = nullptr;

  // A budget position beyond the worksheet's budgets stops being an alternative.
  void ForgetMissingAlternatives(int budgetCount);
  void Calculate(CBudgetWorksheet& worksheet);

  double GrossMarginOfBase() const { return results[0][4][0]; }
};

// The quantity and price of a budget's only return line (each -1 when there is
// no single line or the value is not above zero) and its units, "Unit" when
// empty, at most 7 characters.
struct ReturnFigures {
  double quantity = -1;
  double price = -1;
  std::string unit = "Unit";
};
ReturnFigures GetReturnFigures(const CCropBudget& budget);
