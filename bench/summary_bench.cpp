// The summary tab over 110 budgets of 300 lines: shown with both of its views
// filled, and copied as Rich Text and text. Each budget's operating headings
// are its own, so the category table holds 440 names.

#include <benchmark/benchmark.h>

#include <string>

#include "app/app_main.h"
#include "app/tab_view.h"
#include "document/worksheet.h"
#include "grid/grid_engine.h"
#include "grid/headless_grid_host.h"
#include "headless/headless_platform.h"
#include "reports/summary_grid.h"
#include "reports/summary_text.h"
#include "synthetic_worksheet.h"

namespace {

constexpr int kBudgets = 110;
constexpr int kLines = 300;

void FillDocument(CBudgetWorksheet& document) {
  document.Clear();
  document.address = "14 Mill Road\nCorvale Valley";
  for (int k = 0; k < kBudgets; ++k) {
    CCropBudget& budget = *document.GetBudget(k, true);
    FillSyntheticBudget(budget, kLines);
    budget.publicationId = "B-" + std::to_string(k + 1);
    for (CBudgetLine* line = budget.sections[kSectionOperating].get(); line; line = line->next.get())
      if (line->kind == kKindHeading) line->label += " of " + budget.publicationId;
  }
}

// Clicking each radio button on the summary tab: the tab shown again with the
// whole-farm summary, then with the operating cost summary.
void BM_ShowSummaryTabBothViews(benchmark::State& state) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  Dialog* main = App_StartUp("");
  FillDocument(App_Document());
  RebuildTabs(*main);
  SelectTab(*main, 0);
  for (auto _ : state) {
    main->CheckItem(kIdcRadioOperating, false);
    main->CheckItem(kIdcRadioWholeFarm, true);
    ShowCurrentTab(*main);
    main->CheckItem(kIdcRadioWholeFarm, false);
    main->CheckItem(kIdcRadioOperating, true);
    ShowCurrentTab(*main);
  }
  state.counters["category rows"] =
      static_cast<double>(main->GetGrid(kIdcGrid)->SendMessage(GM_GETROWS));
  platform.CloseWindows();
}
BENCHMARK(BM_ShowSummaryTabBothViews)->Unit(benchmark::kMillisecond);

void BM_FillSummaryGrids(benchmark::State& state) {
  CBudgetWorksheet document;
  FillDocument(document);
  HeadlessGridHost host;
  GridEngine grid(kIdcGrid, host);
  for (auto _ : state) {
    FillWholeFarmSummary(document, grid);
    FillOperatingCostSummary(document, grid);
  }
}
BENCHMARK(BM_FillSummaryGrids)->Unit(benchmark::kMillisecond);

// "Copy Current Tab to Clipboard" on the summary tab: both renderings placed.
void BM_CopySummaryTab(benchmark::State& state) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  CBudgetWorksheet document;
  FillDocument(document);
  for (auto _ : state) benchmark::DoNotOptimize(document.CopyTabToClipboard(nullptr, 0));
  std::string rtf;
  platform.Memory().Fetch(kClipboardRtfFormat, &rtf);
  state.counters["rtf bytes"] = static_cast<double>(rtf.size());
}
BENCHMARK(BM_CopySummaryTab)->Unit(benchmark::kMillisecond);

void BM_RenderSummary(benchmark::State& state) {
  CBudgetWorksheet document;
  FillDocument(document);
  for (auto _ : state) benchmark::DoNotOptimize(RenderSummary(document));
}
BENCHMARK(BM_RenderSummary)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
