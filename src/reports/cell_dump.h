#pragma once
// A grid's stored cells as text: "ROWS\tCOLS", then "ROW\tCOL\tP|U\tTEXT" per
// cell in row, then column order, with backslash, tab, line feed and carriage
// return written as \\ \t \n \r.

#include <string>
#include <string_view>

class GridEngine;

std::string EscapeCellText(std::string_view text);
std::string DumpGridCells(GridEngine& grid);
