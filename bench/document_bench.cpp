// Opening and saving a document of about 5 MB, and the road of one edit on a
// budget of 2,000 lines.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "document/tag_buffer.h"
#include "document/worksheet.h"
#include "grid/grid_engine.h"
#include "grid/headless_grid_host.h"
#include "platform/headless_platform.h"

namespace {

void FillBudget(CCropBudget& budget, int lines) {
  budget.publicationId = "B-1";
  budget.title = "Cow-calf, spring calving";
  budget.numUnits = 120;
  budget.herdUnitName = "Cow";
  budget.interestRate = 8;
  budget.interestTerm = 6;
  for (int i = 0; i < lines; ++i) {
    CBudgetLine& line = budget.AppendLine(i % 3);
    if (i % 25 == 0) {
      line.label = "Heading " + std::to_string(i);
      line.kind = kKindHeading;
      continue;
    }
    line.label = "Item number " + std::to_string(i);
    line.units = "cwt";
    line.kind = kKindQuantity;
    line.value = 12.5 + i;
    line.quantity = 40 + i % 7;
    if (i % 3 == 0) line.weight = 5.5;
  }
  budget.UpdateOperatingInterest(true);
}

void BuildWorksheet(CBudgetWorksheet& worksheet, std::size_t targetBytes) {
  worksheet.name = "Willow Creek Ranch";
  for (int i = 0;; ++i) {
    FillBudget(*worksheet.GetBudget(i, true), 300);
    CTagBuffer buffer;
    if (i % 10 == 9) {
      worksheet.WriteTags(buffer);
      if (buffer.GetLength() >= targetBytes) return;
    }
  }
}

const std::string& FiveMegabyteFile() {
  static const std::string path = [] {
    HeadlessPlatform platform;
    ScopedPlatform installed(platform);
    CBudgetWorksheet worksheet;
    BuildWorksheet(worksheet, 4'800'000);
    const std::string file = (std::filesystem::temp_directory_path() / "herd-bench.vqn").string();
    worksheet.Save(file);
    return file;
  }();
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
  FillBudget(budget, 2000);
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
