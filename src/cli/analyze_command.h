#pragma once
// "herdwright-cli analyze": a budget's breakeven or sensitivity analysis, as
// its window shows it, on standard output.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "reports/budget_analysis.h"

class CBudgetWorksheet;

struct AnalyzeOptions {
  std::string path;
  int tab = -1;  // 1 is the first budget
  AnalysisMode mode = AnalysisMode::kGrossMargin;
  int yieldIncrement = 5;
  int priceIncrement = 5;
  std::array<int, kAlternatives> alternatives{-1, -1, -1, -1};  // budget positions
  bool rtf = true;
};

// The arguments after "analyze"; nullopt when they are not valid.
std::optional<AnalyzeOptions> ParseAnalyzeArguments(const std::vector<std::string>& args);
// The analysis the options ask for of an opened worksheet; false, with the
// reason on standard error, when the budget tab does not exist.
bool PrepareAnalysis(const AnalyzeOptions& options, CBudgetWorksheet& worksheet,
                     CBudgetAnalysis* analysis);
// Exit status: 0 done (also when the analysis says why it cannot be made),
// 1 the document or the tab could not be had.
int RunAnalyze(const AnalyzeOptions& options);
