// Opening and saving a document of about 5 MB, and the road of one edit on a
// budget of 2,000 lines.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "text/tag_buffer.h"
#include "document/worksheet.h"
#include "grid/grid_engine.h"
#include "grid/headless_grid_host.h"
#include "headless/headless_platform.h"
#include "synthetic_worksheet.h"

namespace {

const std::string& FiveMegabyteFile() {
  static const std::string path = SaveSyntheticWorksheet("herd-bench.vqn", 4'800'000);
  return path;
}

void BM_OpenFiveMegabytes(benchmark::State& state) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  const std::string& path = FiveMegabyteFile();
  CBudgetWorksheet worksheet;
  for (auto _ : state) {
    worksheet.Open(path);
    benchmark::DoNotOptimize(worksheet.budgets.get());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  state.counters["budgets"] = worksheet.CountBudgets();
}
BENCHMARK(BM_OpenFiveMegabytes)->Unit(benchmark::kMillisecond);

void BM_SaveFiveMegabytes(benchmark::State& state) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  CBudgetWorksheet worksheet;
  worksheet.Open(FiveMegabyteFile());
  const std::string out = (std::filesystem::temp_directory_path() / "herd-bench-save.vqn").string();
  for (auto _ : state) benchmark::DoNotOptimize(worksheet.Save(out));
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(out));
}
BENCHMARK(BM_SaveFiveMegabytes)->Unit(benchmark::kMillisecond);

// Typing a price into a 2,000-line budget: the line's value, the operating
// interest refresh, and the whole grid written again.
void BM_EditRoadTwoThousandLines(benchmark::State& state) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  CCropBudget budget;
  FillSyntheticBudget(budget, 2000);
  HeadlessGridHost host;
  GridEngine grid(1500, host);
  budget.FillGrid(grid);
  const int row = 5 + budget.CountLines(0) + 10;  // an operating line
  int price = 0;
  for (auto _ : state) {
    std::string message;
    budget.SetValue(row, 5, std::to_string(10 + (price++ % 50)), &message);
    budget.FillGrid(grid);
  }
}
BENCHMARK(BM_EditRoadTwoThousandLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
