// "Copy Values to Worksheets" of the general expense and veterinary windows on
// 20 budgets, 1,000 expense lines and 500 treatments, and "Copy Values to All
// Livestock Worksheets" of each capital list with 500 records, with the main
// window's budget grid filled again as the buttons do; and filling the
// windows' grids.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/app_main.h"
#include "app/tab_view.h"
#include "document/worksheet.h"
#include "farm/expense_lists.h"
#include "farm/livestock_lists.h"
#include "farm/machine_lists.h"
#include "farm/veterinary_list.h"
#include "grid/grid_engine.h"
#include "grid/headless_grid_host.h"
#include "headless/headless_platform.h"
#include "synthetic_lists.h"
#include "synthetic_worksheet.h"

namespace {

constexpr int kBudgets = 20;

void FillDocument(CBudgetWorksheet& document) {
  document.Clear();
  for (int k = 0; k < kBudgets; ++k) FillSyntheticBudget(*document.GetBudget(k, true), 100);
  FillSyntheticLists(document.lists, 500, kBudgets);
}

void BM_CopyValuesToWorksheets(benchmark::State& state) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  Dialog* main = App_StartUp("");
  FillDocument(App_Document());
  SelectTab(*main, 1);
  for (auto _ : state) {
    SetCalculatedExpenseValues(App_Document().Farm());
    SetCalculatedVeterinaryValues(App_Document().Farm());
    ShowCurrentTab(*main);
  }
  state.counters["budget rows"] =
      static_cast<double>(main->GetGrid(1500)->SendMessage(GM_GETROWS));
  platform.CloseWindows();
}
BENCHMARK(BM_CopyValuesToWorksheets)->Unit(benchmark::kMillisecond);

// One capital list's button: every budget's rows from it, the budget on show
// filled again.
template <class Record>
void CopyCapitalValues(benchmark::State& state, const WholeFarmList<Record>* list,
                       std::unique_ptr<ListGrid> (*makeGrid)(FarmScope, const WholeFarmList<Record>&)) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  Dialog* main = App_StartUp("");
  FillDocument(App_Document());
  SelectTab(*main, 1);
  const std::unique_ptr<ListGrid> grid = makeGrid(App_Document().Farm(), *list);
  for (auto _ : state) {
    grid->HandToBudgets();
    ShowCurrentTab(*main);
  }
  platform.CloseWindows();
}
BENCHMARK_CAPTURE(CopyCapitalValues, Machinery, &kMachineryList, MakeMachineGrid)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CopyCapitalValues, Buildings, &kBuildingsList, MakeMachineGrid)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CopyCapitalValues, Purchased, &kPurchasedLivestockList, MakeLivestockGrid)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CopyCapitalValues, Retained, &kRetainedLivestockList, MakeLivestockGrid)
    ->Unit(benchmark::kMillisecond);

// Filling a window's grid after an edit, as every edit and row command does.
void FillWindowGrid(benchmark::State& state, std::unique_ptr<ListGrid> (*makeGrid)(FarmScope)) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  CBudgetWorksheet document;
  FillDocument(document);
  HeadlessGridHost host;
  GridEngine grid(1099, host);
  const std::unique_ptr<ListGrid> list = makeGrid(document.Farm());
  list->SetUp(grid, GridFont{}, 16);
  for (auto _ : state) list->Fill(grid, 0);
  state.counters["rows"] = static_cast<double>(grid.SendMessage(GM_GETROWS));
}
BENCHMARK_CAPTURE(FillWindowGrid, Expenses, MakeExpenseGrid)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillWindowGrid, Veterinary, MakeVeterinaryGrid)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
