#include "model/grid_cells.h"

#include <cstdint>

#include "grid/grid_engine.h"

void PutGridCell(GridEngine& grid, int row, int col, std::string_view text, bool isProtected) {
  grid.SendMessage(GM_SETPROTECTDEFAULT, isProtected ? 1 : 0);
  SetGridCell(grid, row, col, text);
}

void SetUpWorksheetGrid(GridEngine& grid, const GridFont& headingFont, int headerHeight) {
  grid.SendMessage(GM_SETHEADINGFONT, reinterpret_cast<std::uintptr_t>(&headingFont));
  grid.SendMessage(GM_SETCOLSNUMBERED, 0);
  grid.SendMessage(GM_SETCOLRESIZE, 1);
  grid.SendMessage(GM_SETPROTECTDEFAULT, 0);
  grid.SendMessage(GM_SETEDITABLE, 1);
  grid.SendMessage(GM_SETROWHIGHLIGHT, 1);
  grid.SendMessage(GM_EXTENDLASTCOLUMN, 0);
  grid.SendMessage(GM_SETINTEGRALROWS, 0);
  grid.SendMessage(GM_SETPROTECTCOLOR, GridRgb(229, 229, 229));
  grid.SendMessage(GM_SETHEADERHEIGHT, static_cast<std::uintptr_t>(headerHeight));
}

// The label emptied (Delete, or a backspace and leaving) is nothing entered either.
bool IsUntouchedNewItemCell(int column, std::string_view text) {
  return text.empty() || (column == 1 && text == kNewItemText);
}
