// How long clients wait on the grid's cell store: filling whole tables and
// reading cells back, as painting does for every visible cell.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "grid/grid_engine.h"

namespace {

class SilentHost : public GridHost {
 public:
  void GridNotify(int, int, std::intptr_t) override {}
  TextExtent MeasureText(const GridFont& font, std::string_view text) override {
    return {static_cast<int>(text.size()) * 7, font.height};
  }
};

constexpr int kCols = 8;

// Texts like a budget's: labels in column 1, amounts elsewhere.
std::vector<std::string> RowTexts(int row) {
  std::vector<std::string> texts;
  texts.push_back("Line item " + std::to_string(row));
  for (int col = 2; col <= kCols; ++col) texts.push_back(std::to_string(row * 13 + col) + ".50");
  return texts;
}

void Fill(GridEngine& grid, int rows, const std::vector<std::vector<std::string>>& texts) {
  for (int row = 1; row <= rows; ++row) {
    const auto& line = texts[static_cast<std::size_t>(row - 1) % texts.size()];
    for (int col = 1; col <= kCols; ++col) {
      SetGridCell(grid, row, col, line[static_cast<std::size_t>(col - 1)]);
    }
  }
}

void BM_FillGrid(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  std::vector<std::vector<std::string>> texts;
  for (int row = 1; row <= 100; ++row) texts.push_back(RowTexts(row));
  SilentHost host;
  for (auto _ : state) {
    GridEngine grid(1, host, "Budget");
    grid.SendMessage(GM_SETDIMENSIONS, 0, kCols);
    Fill(grid, rows, texts);
    benchmark::DoNotOptimize(grid.Cells().Size());
  }
  state.SetItemsProcessed(state.iterations() * rows * kCols);
}
BENCHMARK(BM_FillGrid)->Arg(2000)->Arg(32000)->Unit(benchmark::kMillisecond);

void BM_GetCell(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  std::vector<std::vector<std::string>> texts;
  for (int row = 1; row <= 100; ++row) texts.push_back(RowTexts(row));
  SilentHost host;
  GridEngine grid(1, host);
  grid.SendMessage(GM_SETDIMENSIONS, 0, kCols);
  Fill(grid, rows, texts);
  std::string text;
  std::uint32_t seed = 1;
  for (auto _ : state) {
    // Scattered lookups, one in nine of them in column 9, which holds nothing.
    seed = seed * 1664525u + 1013904223u;
    const int row = static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(rows)) + 1;
    const int col = static_cast<int>((seed >> 4) % (kCols + 1)) + 1;
    GetGridCell(grid, row, col, &text);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetCell)->Arg(2000)->Arg(32000);

}  // namespace

BENCHMARK_MAIN();
