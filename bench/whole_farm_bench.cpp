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
#include "synthetic_worksheet.h"

namespace {

constexpr int kBudgets = 20;

// A heading every 10 lines; each item spread over every budget.
void FillExpenses(std::unique_ptr<CExpenseLne>& head, int lines, const char* prefix) {
  std::unique_ptr<CExpenseLne>* tail = &head;
  for (int i = 0; i < lines; ++i, tail = &(*tail)->next) {
    *tail = std::make_unique<CExpenseLne>();
    CExpenseLne& line = **tail;
    line.label = prefix + std::to_string(i);
    line.heading = i % 10 == 0 ? 1 : 0;
    line.total = 1000 + i;
    line.allocation.fill(100.0 / kBudgets);
  }
}

void FillTreatments(std::unique_ptr<CVeterinaryCost>& head, int lines) {
  std::unique_ptr<CVeterinaryCost>* tail = &head;
  for (int i = 0; i < lines; ++i, tail = &(*tail)->next) {
    *tail = std::make_unique<CVeterinaryCost>();
    CVeterinaryCost& line = **tail;
    line.label = "Treatment " + std::to_string(i);
    line.units = "dose";
    line.heading = i % 10 == 0 ? 1 : 0;
    line.cost = 2.5;
    line.allocation.fill(40 + i % 7);
  }
}

// Machines and stock of every size and age, each shared over every budget.
template <class Record>
void FillCapital(std::unique_ptr<Record>& head, int records) {
  std::unique_ptr<Record>* tail = &head;
  for (int i = 0; i < records; ++i, tail = &(*tail)->next) {
    *tail = std::make_unique<Record>();
    Record& record = **tail;
    record.label = "Record " + std::to_string(i);
    record.purchasePrice = 5000 + 100 * i;
    record.salvageValue = 500 + 10 * i;
    record.usefulLife = 5 + i % 20;
    record.interestRate = 6.5;
    record.allocation.fill(100.0 / kBudgets);
    if constexpr (requires { record.numberHead; }) {
      record.numberHead = 1 + i % 12;
    } else {
      record.taxes = 1;
      record.housing = 0.5;
      record.insurance = 0.6;
    }
  }
}

void FillDocument(CBudgetWorksheet& document) {
  document.Clear();
  for (int k = 0; k < kBudgets; ++k) FillSyntheticBudget(*document.GetBudget(k, true), 100);
  FillExpenses(document.lists.pOperatingExpenses, 600, "Operating ");
  FillExpenses(document.lists.pOwnershipExpenses, 400, "Ownership ");
  FillTreatments(document.lists.pVeterinaryCosts, 500);
  FillCapital(document.lists.pMachinery, 500);
  FillCapital(document.lists.pBuildings, 500);
  FillCapital(document.lists.pPurchasedLivestock, 500);
  FillCapital(document.lists.pRetainedLivestock, 500);
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
