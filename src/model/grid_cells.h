#pragma once
// Storing a cell with its protection: the grid stamps its default protection on
// every cell it stores, so the default is set first.

#include <string_view>

class GridEngine;

void PutGridCell(GridEngine& grid, int row, int col, std::string_view text, bool isProtected);

// The grid's mark for a cell that does not apply.
inline constexpr std::string_view kNotApplicableCell = "\t";

struct GridFont;

// The switches every editable worksheet grid starts with: titles from row 0,
// resizable columns, editable cells, protected ones on light grey.
void SetUpWorksheetGrid(GridEngine& grid, const GridFont& headingFont, int headerHeight);
