#include "reports/cell_dump.h"

#include "text/number_text.h"
#include "grid/grid_engine.h"

std::string EscapeCellText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c; break;
    }
  }
  return out;
}

std::string DumpGridCells(GridEngine& grid) {
  std::string out;
  out.append(FormatInt(grid.SendMessage(GM_GETROWS))).append("\t");
  out.append(FormatInt(grid.SendMessage(GM_GETCOLS))).append("\n");
  grid.Cells().ForEach([&](int row, int col, const StoredCell& cell) {
    out.append(FormatInt(row)).append("\t").append(FormatInt(col)).append("\t");
    out += cell.protection;
    out.append("\t").append(EscapeCellText(cell.text)).append("\n");
  });
  return out;
}
