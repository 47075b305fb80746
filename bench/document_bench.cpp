// Opening and saving a document of about 5 MB.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "text/tag_buffer.h"
#include "document/worksheet.h"
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

}  // namespace

BENCHMARK_MAIN();
