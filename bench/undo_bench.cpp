// The history's costs: recording one typed price beside the whole road of that
// edit, an undo and redo of it with the grid brought up to date, and the memory
// 1,000 steps keep on a document of about 5 MB. A program of its own, so that
// no other benchmark's heap colours the memory figures.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "app/app_main.h"
#include "app/main_window.h"
#include "app/tab_view.h"
#include "app/undo_history.h"
#include "document/budget_edit.h"
#include "document/worksheet.h"
#include "grid/grid_engine.h"
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

void TypePrice(GridEngine& grid, int row, int price) {
  grid.SendMessage(GM_SETCURSOR, static_cast<std::uintptr_t>(row), kPriceColumn);
  for (char c : std::to_string(price)) grid.Char(static_cast<char32_t>(c));
  grid.KeyDown(GridKey::Enter);
}

// A main window showing one synthetic budget of that many lines.
struct ShownBudget {
  explicit ShownBudget(int lines) : main(App_StartUp("")) {
    FillSyntheticBudget(*App_Document().GetBudget(0, true), lines);
    SelectTab(*main, 1);
    row = OperatingLineRow(*App_Document().GetBudget(0));
  }
  GridEngine& Grid() { return *main->GetGrid(kGridId); }

  Dialog* main;
  int row = 0;
};

// The whole road of a typed price, its step recorded as the program does.
void BM_EditRoadRecorded(benchmark::State& state) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  ShownBudget shown(static_cast<int>(state.range(0)));
  int typed = 0;
  for (auto _ : state) TypePrice(shown.Grid(), shown.row, 10 + typed++ % 50);
  state.counters["steps"] = static_cast<double>(App_UndoStack().Count());
  platform.CloseWindows();
}
BENCHMARK(BM_EditRoadRecorded)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

// What the recording alone adds to that road: the watch on the line and the
// interest row, the step made and pushed.
void BM_RecordingAlone(benchmark::State& state) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  ShownBudget shown(static_cast<int>(state.range(0)));
  CBudgetWorksheet& document = App_Document();
  CBudgetLine& line = **document.GetBudget(0)->GetLineSlot(shown.row);
  int typed = 0;
  for (auto _ : state) {
    BudgetEditRecorder recorder(document, 0, shown.row);
    line.value = 10 + typed++ % 50;
    RecordBudgetEdit(recorder, "Typing");
  }
  platform.CloseWindows();
}
BENCHMARK(BM_RecordingAlone)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

// One undo and one redo of a typed price, the grid brought up to date by each.
void BM_UndoRedoOneEdit(benchmark::State& state) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  ShownBudget shown(static_cast<int>(state.range(0)));
  TypePrice(shown.Grid(), shown.row, 99);
  for (auto _ : state) {
    UndoCommandFrom(*shown.main, kCmdUndo);
    UndoCommandFrom(*shown.main, kCmdRedo);
  }
  if (GetGridCellText(shown.Grid(), shown.row, kPriceColumn) != "$ 99.00")
    state.SkipWithError("the redone price is not in the grid");
  state.SetItemsProcessed(2 * state.iterations());
  platform.CloseWindows();
}
BENCHMARK(BM_UndoRedoOneEdit)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

// 1,000 steps on a document of about 5 MB in 300-line budgets: typed prices
// (0) or deleted lines (1), spread over the budgets. `held MB` is what the
// steps count themselves, `heap MB` what the heap grew by.
void BM_HistoryMemory(benchmark::State& state) {
  static const std::string file = SaveSyntheticWorksheet("herd-undo-bench.vqn", 4'900'000);
  const bool deletes = state.range(0) != 0;
  for (auto _ : state) {
    HeadlessPlatform platform;
    ScopedPlatform installed(platform);
    Dialog* main = App_StartUp(file);
    const int budgets = App_Document().CountBudgets();
    GridEngine& grid = *main->GetGrid(kGridId);
    const std::size_t heapBefore = mallinfo2().uordblks;
    for (int step = 0; step < 1000; ++step) {
      const int budget = step % budgets;
      if (CurrentTab(*main) != budget + 1) SelectTab(*main, budget + 1);
      const int row = OperatingLineRow(*App_Document().GetBudget(budget)) + step / budgets;
      if (deletes) {
        grid.SendMessage(GM_SETCURSOR, static_cast<std::uintptr_t>(row), 1);
        MainCommand(*main, kCmdDelete);
      } else {
        TypePrice(grid, row, 10 + step);
      }
    }
    const std::size_t heapAfter = mallinfo2().uordblks;
    state.counters["steps"] = static_cast<double>(App_UndoStack().Count());
    state.counters["held MB"] = static_cast<double>(App_UndoStack().HeldBytes()) / 1e6;
    state.counters["heap MB"] =
        (static_cast<double>(heapAfter) - static_cast<double>(heapBefore)) / 1e6;
    state.counters["budgets"] = budgets;
    platform.CloseWindows();
  }
}
BENCHMARK(BM_HistoryMemory)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
