// The desktop program without a screen: start-up with a document of about
// 5 MB up to the first painted main window, and a price typed into the grid of
// a 2,000-line budget.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <cstdint>
#include <filesystem>
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
  static const std::string path = SaveSyntheticWorksheet("herd-qt-bench-5mb.vqn", 4'800'000);
  return path;
}

const std::string& TwoThousandLineFile() {
  static const std::string path = SaveSyntheticWorksheet("herd-qt-bench-2000.vqn", 0, 2000);
  return path;
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

void BM_StartUpToFirstPaint(benchmark::State& state) {
  const std::string& path = FiveMegabyteFile();
  for (auto _ : state) {
    QtPlatform platform;
    platform.SetQuitHandler([](int) {});
    App_SetPlatform(&platform);
    Dialog* main = App_StartUp(path);
    if (main == nullptr) {
      App_SetPlatform(nullptr);
      state.SkipWithError("start-up failed");
      break;
    }
    QWidget* window = QtDialog::Of(main)->Window();
    window->show();
    QCoreApplication::processEvents();
    window->repaint();

    state.PauseTiming();
    if (App_Document().CountBudgets() < 100) {
      state.SkipWithError("the document did not open");
    }
    CloseMainWindow();
    App_SetPlatform(nullptr);
    state.ResumeTiming();
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(10);

// Real key events into the grid: a price, Enter, the grid repainted at once.
// The cursor is put back on the cell first, since Enter moves it down.
void BM_TypedEditTwoThousandLines(benchmark::State& state) {
  QtPlatform platform;
  platform.SetQuitHandler([](int) {});
  App_SetPlatform(&platform);
  Dialog* main = App_StartUp(TwoThousandLineFile());
  CCropBudget* budget = App_Document().GetBudget(0);
  if (main == nullptr || budget == nullptr) {
    CloseMainWindow();
    App_SetPlatform(nullptr);
    state.SkipWithError("start-up with the 2,000-line budget failed");
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
  state.counters["lines"] = 2000;
  CloseMainWindow();
  App_SetPlatform(nullptr);
}
BENCHMARK(BM_TypedEditTwoThousandLines)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // The program ends when its main window is destroyed, not when a window closes.
  QApplication::setQuitOnLastWindowClosed(false);
  UseDesignFont();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
