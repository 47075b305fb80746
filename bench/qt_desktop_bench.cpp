// The desktop program without a screen: start-up up to the first painted main
// window with about 5 MB in many budgets and in one 31,200-line budget (time,
// and the peak memory of a fresh process doing only that), and a price typed
// into the grid of a budget of 200, 2,000 and 20,000 lines.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <sys/resource.h>
#include <sys/wait.h>
#include <spawn.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "platform/resource_ids.h"
#include "app/app_main.h"
#include "app/app_state.h"
#include "text/tag_buffer.h"
#include "document/worksheet.h"
#include "grid/grid_engine.h"
#include "grid/grid_messages.h"
#include "model/crop_budget.h"
#include "headless/headless_platform.h"
#include "qt/design_font.h"
#include "qt/grid_widget.h"
#include "qt/qt_dialog.h"
#include "qt/qt_platform.h"
#include "synthetic_worksheet.h"

namespace {

const std::string& FiveMegabyteFile() {
  static const std::string path = SaveSyntheticWorksheet("herd-qt-bench-5mb.vqn", 4'900'000);
  return path;
}

const std::string& OneLongBudgetFile() {
  static const std::string path = SaveSyntheticWorksheet("herd-qt-bench-31200.vqn", 0, 31200);
  return path;
}

// One budget of that many lines, saved once per size.
std::string LineFile(int lines) {
  static std::map<int, std::string> saved;
  auto it = saved.find(lines);
  if (it == saved.end()) {
    const std::string name = "herd-qt-bench-" + std::to_string(lines) + ".vqn";
    it = saved.emplace(lines, SaveSyntheticWorksheet(name.c_str(), 0, lines)).first;
  }
  return it->second;
}

// Ends the program as the window system would, and leaves nothing for the
// next start: deferred deletes run, the state is that of a fresh process.
void CloseMainWindow() {
  if (Dialog* main = App_GetMainWindow()) delete QtDialog::Of(main)->Window();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  App_ResetState();
  App_Document().Clear();
}

// Start-up as the program does it: the main window created with the document
// open, shown and painted once. False when the window did not come up.
Dialog* StartUpAndPaint(QtPlatform& platform, const std::string& path) {
  platform.SetQuitHandler([](int) {});
  App_SetPlatform(&platform);
  Dialog* main = App_StartUp(path);
  if (main == nullptr) return nullptr;
  QWidget* window = QtDialog::Of(main)->Window();
  window->show();
  QCoreApplication::processEvents();
  window->repaint();
  return main;
}

void BM_StartUpToFirstPaint(benchmark::State& state, const std::string& (*file)(), int leastBudgets) {
  const std::string& path = file();
  for (auto _ : state) {
    QtPlatform platform;
    if (StartUpAndPaint(platform, path) == nullptr) {
      App_SetPlatform(nullptr);
      state.SkipWithError("start-up failed");
      break;
    }
    state.PauseTiming();
    if (App_Document().CountBudgets() < leastBudgets) state.SkipWithError("the document did not open");
    CloseMainWindow();
    App_SetPlatform(nullptr);
    state.ResumeTiming();
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK_CAPTURE(BM_StartUpToFirstPaint, ManyBudgets, FiveMegabyteFile, 100)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_StartUpToFirstPaint, OneLongBudget, OneLongBudgetFile, 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

constexpr const char* kStartOnceSwitch = "--start-once";

// What a fresh process of this program that starts up with the file, paints
// and ends has used: its peak resident memory (the kernel's high-water mark of
// this process image, which a spawned child's rusage would mix with its
// parent's) and its CPU time.
struct ProcessUsage {
  double peakMegabytes = 0;
  double cpuSeconds = 0;
};

ProcessUsage OwnUsage() {
  ProcessUsage usage;
  if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
    char line[256];
    long kilobytes = 0;
    while (std::fgets(line, sizeof line, status)) {
      if (std::sscanf(line, "VmHWM: %ld kB", &kilobytes) == 1) break;
    }
    std::fclose(status);
    usage.peakMegabytes = static_cast<double>(kilobytes) / 1024.0;
  }
  rusage used{};
  getrusage(RUSAGE_SELF, &used);
  usage.cpuSeconds = static_cast<double>(used.ru_utime.tv_sec + used.ru_stime.tv_sec) +
                     static_cast<double>(used.ru_utime.tv_usec + used.ru_stime.tv_usec) / 1e6;
  return usage;
}

// The child's side: start, paint, write the usage to the report file.
int StartOnce(const std::string& path, const char* reportPath) {
  QtPlatform platform;
  const bool started = StartUpAndPaint(platform, path) != nullptr;
  const ProcessUsage usage = OwnUsage();
  CloseMainWindow();
  App_SetPlatform(nullptr);
  std::FILE* report = std::fopen(reportPath, "w");
  if (report == nullptr) return 1;
  std::fprintf(report, "%f %f\n", usage.peakMegabytes, usage.cpuSeconds);
  std::fclose(report);
  return started ? 0 : 1;
}

bool RunStartOnce(const std::string& path, ProcessUsage* usage) {
  std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::string flag = kStartOnceSwitch;
  std::string file = path;
  std::string reportPath = (std::filesystem::temp_directory_path() / "herd-start-once.txt").string();
  char* argv[] = {self.data(), flag.data(), file.data(), reportPath.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  std::FILE* report = std::fopen(reportPath.c_str(), "r");
  if (report == nullptr) return false;
  const bool read = std::fscanf(report, "%lf %lf", &usage->peakMegabytes, &usage->cpuSeconds) == 2;
  std::fclose(report);
  return read;
}

void BM_StartUpPeakMemory(benchmark::State& state, const std::string& (*file)()) {
  const std::string& path = file();
  ProcessUsage withFile;
  ProcessUsage empty;
  for (auto _ : state) {
    if (!RunStartOnce(path, &withFile) || !RunStartOnce("", &empty)) {
      state.SkipWithError("the start-up process failed");
      break;
    }
  }
  state.counters["peak MB"] = withFile.peakMegabytes;
  state.counters["peak MB, no document"] = empty.peakMegabytes;
  state.counters["document MB"] = withFile.peakMegabytes - empty.peakMegabytes;
  state.counters["CPU s"] = withFile.cpuSeconds;
}
BENCHMARK_CAPTURE(BM_StartUpPeakMemory, ManyBudgets, FiveMegabyteFile)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_StartUpPeakMemory, OneLongBudget, OneLongBudgetFile)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Real key events into the grid: a price, Enter, the grid repainted at once.
// The cursor is put back on the cell first, since Enter moves it down.
void BM_TypedEdit(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  QtPlatform platform;
  platform.SetQuitHandler([](int) {});
  App_SetPlatform(&platform);
  Dialog* main = App_StartUp(LineFile(lines));
  CCropBudget* budget = App_Document().GetBudget(0);
  if (main == nullptr || budget == nullptr) {
    CloseMainWindow();
    App_SetPlatform(nullptr);
    state.SkipWithError("start-up with the budget failed");
    return;
  }
  QtDialog* dialog = QtDialog::Of(main);
  QWidget* window = dialog->Window();
  window->show();
  window->activateWindow();
  (void)QTest::qWaitForWindowActive(window);
  auto* grid = static_cast<GridWidget*>(dialog->ItemWidget(kIdcGrid));
  grid->setFocus();
  QCoreApplication::processEvents();

  constexpr int kPriceColumn = 5;
  const int row = 5 + budget->CountLines(kSectionReturns) + 10;  // an operating line
  const LineSlot* slot = budget->GetLineSlot(row);
  if (slot == nullptr || *slot == nullptr || (*slot)->kind != kKindQuantity) {
    CloseMainWindow();
    App_SetPlatform(nullptr);
    state.SkipWithError("no quantity line at the edited row");
    return;
  }

  int price = 0;
  int lastPrice = 0;
  for (auto _ : state) {
    lastPrice = 10 + price++ % 50;
    grid->Engine().SendMessage(GM_SETCURSOR, static_cast<std::uintptr_t>(row), kPriceColumn);
    QTest::keyClicks(grid, QString::number(lastPrice));
    QTest::keyClick(grid, Qt::Key_Return);
    grid->repaint();
  }

  slot = App_Document().GetBudget(0)->GetLineSlot(row);
  if (slot == nullptr || *slot == nullptr || (*slot)->value != lastPrice) {
    state.SkipWithError("the typed price did not reach the budget line");
  }
  state.counters["lines"] = lines;
  CloseMainWindow();
  App_SetPlatform(nullptr);
}
BENCHMARK(BM_TypedEdit)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // The program ends when its main window is destroyed, not when a window closes.
  QApplication::setQuitOnLastWindowClosed(false);
  UseDesignFont();
  if (argc == 4 && std::strcmp(argv[1], kStartOnceSwitch) == 0) return StartOnce(argv[2], argv[3]);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
