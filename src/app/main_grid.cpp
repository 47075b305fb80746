#include "app/main_grid.h"

#include <array>
#include <cstdint>
#include <numeric>

#include "platform/resource_ids.h"
#include "app/app_state.h"
#include "grid/grid_engine.h"
#include "model/grid_cells.h"
#include "platform/dialog.h"

namespace {

constexpr std::array<int, 8> kColumnWidths = {0, 175, 70, 70, 85, 75, 80, 75};

struct ColumnLimit {
  int column;
  int chars;
};
constexpr std::array<ColumnLimit, 3> kColumnLimits = {{{2, 8}, {3, 15}, {4, 15}}};

GridTopLeft* MemoryOfTab(int tab) {
  if (tab < 0 || tab >= kGridMemoryTabs) return nullptr;
  return &App_State().gridMemory[static_cast<std::size_t>(tab)];
}

}  // namespace

GridEngine* MainGrid(Dialog& window) { return window.GetGrid(kIdcGrid); }

void ConfigureMainGrid(GridEngine& grid, int charHeight) {
  SetUpWorksheetGrid(grid, App_GridHeadingFont(), 3 * charHeight + 5);
  grid.SendMessage(GM_SETROWSNUMBERED, 0);
  for (std::size_t col = 0; col < kColumnWidths.size(); ++col) {
    grid.SendMessage(GM_SETCOLWIDTH, col, kColumnWidths[col]);
  }
  for (const ColumnLimit& limit : kColumnLimits) {
    grid.SendMessage(GM_SETCOLMAXCHARS, static_cast<std::uintptr_t>(limit.column), limit.chars);
  }
}

int BudgetGridFullWidth() {
  return std::accumulate(kColumnWidths.begin(), kColumnWidths.end(), kGridScrollBarThickness);
}

void ResetGridScrollMemory() { App_State().gridMemory.fill(GridTopLeft{}); }

void SaveGridScroll(Dialog& window) {
  GridTopLeft* memory = MemoryOfTab(window.GetTabSelection(kIdcTabStrip));
  GridEngine* grid = MainGrid(window);
  if (!memory || !grid) return;
  const std::intptr_t packed = grid->SendMessage(GM_GETTOPLEFT);
  memory->top = PackedRow(packed);
  memory->left = PackedCol(packed);
}

void RestoreGridScroll(Dialog& window) {
  const GridTopLeft* memory = MemoryOfTab(window.GetTabSelection(kIdcTabStrip));
  GridEngine* grid = MainGrid(window);
  if (!memory || !grid) return;
  grid->SendMessage(GM_SETTOPLEFT, 0, PackRowCol(memory->top, memory->left));
}
