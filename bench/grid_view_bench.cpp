// What the grid view costs per frame: painting a full view of a tall grid, and
// one edit typed into a cell followed by the repaint it causes.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "grid/grid_engine.h"

namespace {

class SilentHost : public GridHost {
 public:
  void GridNotify(int, int, std::intptr_t) override {}
  TextExtent MeasureText(const GridFont& font, std::string_view text) override {
    return {static_cast<int>(text.size()) * 7, font.height};
  }
};

// Counts calls so that none of the work can be thrown away.
class NullPainter : public GridPainter {
 public:
  void FillRect(const GridRect&, GridColor) override { ++calls; }
  void FillGray(const GridRect&) override { ++calls; }
  void EtchedBox(const GridRect&) override { ++calls; }
  void FramedBox(const GridRect&, GridColor, GridColor) override { ++calls; }
  void DrawText(const GridRect&, std::string_view text, const GridTextStyle&) override { calls += text.size(); }
  void CheckBox(const GridRect&, bool) override { ++calls; }
  void CursorFrame(const GridRect&, GridColor) override { ++calls; }
  std::size_t calls = 0;
};

constexpr int kCols = 8;
constexpr int kWidth = 800, kHeight = 600;

// A budget-like table: a label, amounts, and a marker row every 25 rows.
void Fill(GridEngine& grid, int rows) {
  grid.SendMessage(GM_SETDIMENSIONS, static_cast<std::uintptr_t>(rows), kCols);
  for (int row = 1; row <= rows; ++row) {
    if (row % 25 == 0) SetGridCell(grid, row, 0, "*");
    SetGridCell(grid, row, 1, "Line item " + std::to_string(row));
    for (int col = 2; col <= kCols; ++col) SetGridCell(grid, row, col, std::to_string(row * 13 + col) + ".50");
  }
  grid.SendMessage(GM_SETEDITABLE, 1);
  grid.Resize(kWidth, kHeight);
  grid.FocusIn();
}

void BM_PaintFullView(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  SilentHost host;
  GridEngine grid(1, host, "Cow-calf budget");
  Fill(grid, rows);
  grid.SendMessage(GM_SETCURSOR, static_cast<std::uintptr_t>(rows / 2), 3);
  NullPainter painter;
  for (auto _ : state) {
    grid.Paint(painter);
  }
  benchmark::DoNotOptimize(painter.calls);
  state.counters["rows shown"] = grid.State().bottomRow - grid.State().topRow + 1;
}
BENCHMARK(BM_PaintFullView)->Arg(2000)->Arg(32000)->Unit(benchmark::kMicrosecond);

void BM_TypedEditAndRepaint(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  SilentHost host;
  GridEngine grid(1, host, "Cow-calf budget");
  Fill(grid, rows);
  NullPainter painter;
  int row = 1;
  for (auto _ : state) {
    grid.SendMessage(GM_SETCURSOR, static_cast<std::uintptr_t>(row), 4);
    grid.Char(U'1');
    grid.Char(U'2');
    grid.KeyDown(GridKey::Enter);
    grid.Paint(painter);
    row = row % (rows - 1) + 1;
  }
  benchmark::DoNotOptimize(painter.calls);
}
BENCHMARK(BM_TypedEditAndRepaint)->Arg(2000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
