// Refreshing the analysis of one budget: calculate, then build the window's
// Rich Text, as every edit in the main window does while the window is open.

#include <benchmark/benchmark.h>

#include <string>

#include "document/worksheet.h"
#include "headless/headless_platform.h"
#include "reports/analysis_text.h"
#include "reports/budget_analysis.h"
#include "synthetic_worksheet.h"

namespace {

// A budget of `lines` lines with one return line, so that it can be analysed.
void FillAnalysedBudget(CCropBudget& budget, int lines) {
  FillSyntheticBudget(budget, lines);
  DestroyChain(budget.sections[kSectionReturns]);
  CBudgetLine& sale = budget.AppendLine(kSectionReturns);
  sale.label = "Steer calves";
  sale.units = "cwt";
  sale.kind = kKindQuantity;
  sale.quantity = 550;
  sale.value = 185;
}

void Refresh(benchmark::State& state, AnalysisMode mode) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  CBudgetWorksheet worksheet;
  const int lines = static_cast<int>(state.range(0));
  for (int k = 0; k < 5; ++k) FillAnalysedBudget(*worksheet.GetBudget(k, true), lines);
  CBudgetAnalysis analysis;
  analysis.mode = mode;
  analysis.base = worksheet.GetBudget(0);
  analysis.alternatives = {1, 2, 3, 4};
  for (auto _ : state) {
    analysis.Calculate(worksheet);
    benchmark::DoNotOptimize(RenderAnalysisRtf(analysis));
  }
}

void BM_SensitivityRefresh(benchmark::State& state) { Refresh(state, AnalysisMode::kSensitivity); }
void BM_GrossMarginRefresh(benchmark::State& state) { Refresh(state, AnalysisMode::kGrossMargin); }
BENCHMARK(BM_SensitivityRefresh)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GrossMarginRefresh)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
