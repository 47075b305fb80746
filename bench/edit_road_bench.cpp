// The road of one edit in the main window, headless: a price typed into a
// budget grid cell and Enter; the line's value, the operating interest, the
// grid and the instruction box brought up to date. A program of its own, so
// that the file benchmarks' buffers leave nothing behind for it.

#include <benchmark/benchmark.h>

#include <string>

#include "app/app_main.h"
#include "app/tab_view.h"
#include "document/worksheet.h"
#include "grid/grid_engine.h"
#include "grid/headless_grid_host.h"
#include "headless/headless_platform.h"
#include "synthetic_worksheet.h"

namespace {

constexpr int kGridId = 1500;
constexpr int kPriceColumn = 5;

// The row of an operating quantity line near the top of the section.
int OperatingLineRow(CCropBudget& budget) {
  const int row = 5 + budget.CountLines(kSectionReturns) + 10;
  const LineSlot* slot = budget.GetLineSlot(row);
  return slot && *slot && (*slot)->kind == kKindQuantity ? row : 0;
}

void BM_EditRoad(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  Dialog* main = App_StartUp("");
  FillSyntheticBudget(*App_Document().GetBudget(0, true), lines);
  SelectTab(*main, 1);
  GridEngine& grid = *main->GetGrid(kGridId);
  CCropBudget& budget = *App_Document().GetBudget(0);
  const int row = OperatingLineRow(budget);
  if (row == 0) {
    state.SkipWithError("no quantity line at the edited row");
    return;
  }
  int typed = 0;
  for (auto _ : state) {
    typed = 10 + typed % 50;
    grid.SendMessage(GM_SETCURSOR, static_cast<std::uintptr_t>(row), kPriceColumn);
    for (char c : std::to_string(typed)) grid.Char(static_cast<char32_t>(c));
    grid.KeyDown(GridKey::Enter);
    ++typed;
  }
  if (GetGridCellText(grid, row, kPriceColumn) != "$ " + std::to_string(typed - 1) + ".00") {
    state.SkipWithError("the typed price did not come back into the grid");
  }
  state.counters["rows"] = static_cast<double>(grid.SendMessage(GM_GETROWS));
  platform.CloseWindows();
}
BENCHMARK(BM_EditRoad)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

// What a tab switch, a row command or the start-up costs: every row of the
// budget written into a grid that already shows it, or into a new one.
void BM_FillWholeGrid(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const bool fresh = state.range(1) != 0;
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  CCropBudget budget;
  FillSyntheticBudget(budget, lines);
  HeadlessGridHost host;
  GridEngine shown(kGridId, host);
  budget.FillGrid(shown);
  for (auto _ : state) {
    if (fresh) {
      GridEngine grid(kGridId, host);
      budget.FillGrid(grid);
      benchmark::DoNotOptimize(grid.Cells().Size());
    } else {
      budget.FillGrid(shown);
    }
  }
}
BENCHMARK(BM_FillWholeGrid)
    ->ArgNames({"lines", "new grid"})
    ->ArgsProduct({{2000, 31200}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
