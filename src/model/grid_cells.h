#pragma once
// Storing a cell with its protection: the grid stamps its default protection on
// every cell it stores, so the default is set first.

#include <string_view>

class GridEngine;

void PutGridCell(GridEngine& grid, int row, int col, std::string_view text, bool isProtected);

// The first cell of the row where a new line is typed.
inline constexpr std::string_view kNewItemText = "<Type new item here>";
// A new-item row's cell still as the grid was filled: an edit that ended there,
// as Escape ends one, typed nothing and makes no line.
bool IsUntouchedNewItemCell(int column, std::string_view text);

// The grid's mark for a cell that does not apply.
inline constexpr std::string_view kNotApplicableCell = "\t";

struct GridFont;

// The switches every editable worksheet grid starts with: titles from row 0,
// resizable columns, editable cells, protected ones on light grey.
void SetUpWorksheetGrid(GridEngine& grid, const GridFont& headingFont, int headerHeight);
