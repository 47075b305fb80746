#include "reports/budget_analysis.h"

#include "document/worksheet.h"
#include "text/utf8_text.h"

namespace {


double GrossMargin(const CCropBudget& budget) {
  double margin = 0;
  budget.GetPerUnitMargin(nullptr, nullptr, &margin);
  return margin;
}

// Why the base budget cannot be analysed, or nothing.
std::string Refusal(const CBudgetAnalysis& analysis) {
  if (!analysis.base) return "Choose a crop tab in the main window";
  const CBudgetLine* returns = analysis.base->sections[kSectionReturns].get();
  if (!returns) return "Enter a return on the budget";
  if (returns->next) return "Analysis not available with multiple returns on a budget";
  if (!(returns->quantity > 0)) return "No Quantity provided in Return";
  if (analysis.mode != AnalysisMode::kSensitivity) return {};
  if (analysis.priceIncrement <= 0 || analysis.yieldIncrement <= 0) {
    return "Increments must be at least 1";
  }
  if (analysis.priceIncrement > kLargestIncrement || analysis.yieldIncrement > kLargestIncrement) {
    return "Increments must be less than 100%: at 100% or more the lower yield or price would be "
           "zero or negative.";
  }
  return {};
}

void CalculateGrossMargins(CBudgetAnalysis& analysis, CBudgetWorksheet& worksheet) {
  const CCropBudget& base = *analysis.base;
  analysis.names[kAlternatives] = base.GetDisplayName();
  const double baseMargin = GrossMargin(base);
  analysis.results[0][4][0] = baseMargin;
  for (int k = 0; k < kAlternatives; ++k) {
    const CCropBudget* alternative = worksheet.GetBudget(analysis.alternatives[k]);
    if (!alternative) continue;
    analysis.names[k] = alternative->GetDisplayName();
    const ReturnFigures figures = GetReturnFigures(*alternative);
    analysis.units[k] = figures.unit;
    const double gap = baseMargin - GrossMargin(*alternative);
    const double q = figures.quantity;
    const double p = figures.price;
    std::array<double, 4>& row = analysis.results[0][k];
    row = {p, q, -1, -1};
    if (q >= 0 && p > 0) row[3] = q + gap / p;
    if (p >= 0 && q > 0) row[2] = p + gap / q;
  }
}

// Row 0 the figure at minus, base and plus the increment; rows 1 to 3 what
// covers operating, ownership and total costs at each.
void FillBreakevens(std::array<std::array<double, 4>, 5>& table, double base, int increment,
                    double operating, double ownership) {
  if (!(base > 0)) return;
  const double step = increment / 100.0;
  const std::array<double, 3> figures = {base * (1 - step), base, base * (1 + step)};
  for (std::size_t c = 0; c < figures.size(); ++c) {
    const double figure = figures[c];
    table[0][c] = figure;
    if (operating > 0) table[1][c] = operating / figure;
    if (ownership > 0) table[2][c] = ownership / figure;
    if (operating > 0 && ownership > 0) table[3][c] = (operating + ownership) / figure;
  }
}

void CalculateSensitivity(CBudgetAnalysis& analysis) {
  const SectionTotals perUnit = analysis.base->GetSectionTotals(true);
  FillBreakevens(analysis.results[0], analysis.returnLine->quantity, analysis.yieldIncrement,
                 perUnit.operating, perUnit.ownership);
  FillBreakevens(analysis.results[1], analysis.returnLine->value, analysis.priceIncrement,
                 perUnit.operating, perUnit.ownership);
}

}  // namespace

ReturnFigures GetReturnFigures(const CCropBudget& budget) {
  ReturnFigures figures;
  const CBudgetLine* line = budget.sections[kSectionReturns].get();
  if (!line) return figures;
  if (!line->units.empty()) figures.unit = std::string(FirstChars(line->units, kAnalysisUnitChars));
  if (line->next) return figures;
  if (line->quantity > 0) figures.quantity = line->quantity;
  if (line->value > 0) figures.price = line->value;
  return figures;
}

void CBudgetAnalysis::ForgetMissingAlternatives(int budgetCount) {
  for (int& alternative : alternatives) {
    if (alternative >= budgetCount) alternative = -1;
  }
}

void CBudgetAnalysis::Calculate(CBudgetWorksheet& worksheet) {
  message.clear();
  for (auto& table : results) {
    for (auto& row : table) row.fill(-1);
  }
  for (std::string& name : names) name.clear();
  for (std::string& unit : units) unit.clear();
  returnLine = base ? base->sections[kSectionReturns].get() : nullptr;
  message = Refusal(*this);
  if (!message.empty()) return;
  if (mode == AnalysisMode::kGrossMargin) {
    CalculateGrossMargins(*this, worksheet);
  } else {
    CalculateSensitivity(*this);
  }
}
