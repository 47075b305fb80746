// Opening and saving a worksheet of about 0.5 MB and of about 5 MB, to show
// how the cost grows with the file.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "text/tag_buffer.h"
#include "document/worksheet.h"
#include "headless/headless_platform.h"
#include "synthetic_worksheet.h"

namespace {

// Budgets of 300 lines up to about that many bytes, saved once per size; the
// last size is the largest with all seven whole-farm lists beside 20 budgets.
constexpr std::int64_t kLargeWithLists = 5'000'001;
const std::string& WorksheetFile(std::int64_t bytes) {
  static const std::string small = SaveSyntheticWorksheet("herd-bench-0.5mb.vqn", 480'000);
  static const std::string large = SaveSyntheticWorksheet("herd-bench.vqn", 4'900'000);
  static const std::string lists =
      SaveSyntheticWorksheetWithLists("herd-bench-lists.vqn", 4'900'000);
  if (bytes == kLargeWithLists) return lists;
  return bytes < 1'000'000 ? small : large;
}

void BM_Open(benchmark::State& state) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  const std::string& path = WorksheetFile(state.range(0));
  CBudgetWorksheet worksheet;
  for (auto _ : state) {
    worksheet.Open(path);
    benchmark::DoNotOptimize(worksheet.budgets.get());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  state.counters["budgets"] = worksheet.CountBudgets();
}
BENCHMARK(BM_Open)
    ->Arg(500'000)
    ->Arg(5'000'000)
    ->Arg(kLargeWithLists)
    ->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  CBudgetWorksheet worksheet;
  worksheet.Open(WorksheetFile(state.range(0)));
  const std::string out = (std::filesystem::temp_directory_path() / "herd-bench-save.vqn").string();
  for (auto _ : state) benchmark::DoNotOptimize(worksheet.Save(out));
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(out));
}
BENCHMARK(BM_Save)
    ->Arg(500'000)
    ->Arg(5'000'000)
    ->Arg(kLargeWithLists)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
