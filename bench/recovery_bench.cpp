// The minute's recovery write of a 5 MB worksheet: the part the interface
// thread waits for (turning the document into bytes and handing them over)
// and the whole write, flushed to disk by the writer thread.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/app_main.h"
#include "app/app_state.h"
#include "app/auto_recovery.h"
#include "document/worksheet.h"
#include "headless/headless_platform.h"
#include "synthetic_worksheet.h"

namespace {

namespace fs = std::filesystem;

// A modified 5 MB document, with its recovery files in a folder of the benchmark's own.
class RecoveringDocument {
 public:
  RecoveringDocument() : installed_(platform_) {
    ::setenv("XDG_STATE_HOME", state_.c_str(), 1);
    App_ResetRecovery();
    App_Document().Open(SaveSyntheticWorksheet("herd-bench.vqn", 4'900'000));
    App_State().modified = true;
  }
  ~RecoveringDocument() {
    App_EndRecovery();
    std::error_code ignored;
    fs::remove_all(state_, ignored);
  }
  double Bytes() const { return static_cast<double>(fs::file_size(App_RecoveryFile())); }

 private:
  HeadlessPlatform platform_;
  ScopedPlatform installed_;
  fs::path state_ = fs::temp_directory_path() / ("herd-bench-state-" + std::to_string(::getpid()));
};

using Milliseconds = std::chrono::duration<double, std::milli>;

// The write as a tick makes it, keeping the slowest call.
void TimedWrite(Milliseconds* worst) {
  const auto start = std::chrono::steady_clock::now();
  App_WriteRecovery();
  *worst = std::max(*worst, Milliseconds(std::chrono::steady_clock::now() - start));
}

// The budget is a frame's 16 ms, so the slowest call counts as much as the mean.
void BM_RecoveryOnInterfaceThread(benchmark::State& state) {
  RecoveringDocument document;
  Milliseconds worst{0};
  for (auto _ : state) {
    TimedWrite(&worst);
    // The writer's disk work is the other benchmark's.
    state.PauseTiming();
    App_WaitForRecovery();
    state.ResumeTiming();
  }
  state.counters["bytes"] = document.Bytes();
  state.counters["worst_ms"] = worst.count();
}

// Ticks faster than the disk: the interface thread hands over the latest
// bytes without waiting for the write in progress.
void BM_RecoveryWhileTheLastIsWriting(benchmark::State& state) {
  RecoveringDocument document;
  Milliseconds worst{0};
  for (auto _ : state) {
    TimedWrite(&worst);
  }
  App_WaitForRecovery();
  state.counters["worst_ms"] = worst.count();
}
BENCHMARK(BM_RecoveryWhileTheLastIsWriting)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecoveryOnInterfaceThread)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RecoveryWholeWrite(benchmark::State& state) {
  RecoveringDocument document;
  for (auto _ : state) {
    App_WriteRecovery();
    App_WaitForRecovery();
  }
  state.counters["bytes"] = document.Bytes();
}
BENCHMARK(BM_RecoveryWholeWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
