// Opening and saving a worksheet of about 0.5 MB and of about 5 MB, to show
// how the cost grows with the file.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <filesystem>
#include <string>

#include "text/tag_buffer.h"
#include "document/worksheet.h"
#include "headless/headless_platform.h"
#include "synthetic_worksheet.h"

namespace {

// Budgets of 300 lines up to about that many bytes, saved once per size.
const std::string& WorksheetFile(std::size_t bytes) {
  static const std::string small = SaveSyntheticWorksheet("herd-bench-0.5mb.vqn", 480'000);
  static const std::string large = SaveSyntheticWorksheet("herd-bench.vqn", 4'900'000);
  return bytes < 1'000'000 ? small : large;
}

void BM_Open(benchmark::State& state) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  const std::string& path = WorksheetFile(static_cast<std::size_t>(state.range(0)));
  CBudgetWorksheet worksheet;
  for (auto _ : state) {
    worksheet.Open(path);
    benchmark::DoNotOptimize(worksheet.budgets.get());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  state.counters["budgets"] = worksheet.CountBudgets();
}
BENCHMARK(BM_Open)->Arg(500'000)->Arg(5'000'000)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  CBudgetWorksheet worksheet;
  worksheet.Open(WorksheetFile(static_cast<std::size_t>(state.range(0))));
  const std::string out = (std::filesystem::temp_directory_path() / "herd-bench-save.vqn").string();
  for (auto _ : state) benchmark::DoNotOptimize(worksheet.Save(out));
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(out));
}
BENCHMARK(BM_Save)->Arg(500'000)->Arg(5'000'000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
