#include "model/grid_cells.h"

#include "grid/grid_engine.h"

void PutGridCell(GridEngine& grid, int row, int col, std::string_view text, bool isProtected) {
  grid.SendMessage(GM_SETPROTECTDEFAULT, isProtected ? 1 : 0);
  SetGridCell(grid, row, col, text);
}
