#include "grid/grid_engine.h"

#include <string>

namespace {

GridColor ColorFrom(std::uintptr_t wParam) { return static_cast<GridColor>(wParam & 0xFFFFFF); }

}  // namespace

GridEngine::GridEngine(int controlId, GridHost& host, std::string_view title) : host_(host) {
  state_.controlId = controlId;
  state_.colWidths.fill(50);
  state_.colWidths[kGridMaxCols] = 0;
  state_.colMaxChars.fill(32);
  state_.colMaxChars[0] = 0;
  state_.colMaxChars[kGridMaxCols] = 0;
  UpdateScrollBars();
  SetTitle(title);
}

void GridEngine::Notify(int code, std::intptr_t lParam) {
  host_.GridNotify(state_.controlId, code, lParam);
}

void GridEngine::NotifyCursor(int code) {
  Notify(code, PackRowCol(state_.cursorRow, state_.cursorCol));
}

bool GridEngine::InRange(const GridCell* cell) {
  if (cell != nullptr && cell->row >= 0 && cell->row <= kGridMaxRows && cell->col >= 0 &&
      cell->col <= kGridMaxCols) {
    return true;
  }
  Notify(GN_OUTOFRANGE, 0);
  return false;
}

void GridEngine::RefreshCursorProtection() {
  const std::optional<StoredCell> cell = cells_.Find(state_.cursorRow, state_.cursorCol);
  state_.cursorCellProtected = cell && cell->protection == 'P';
}

std::intptr_t GridEngine::ProtectCell(const GridCell* cell, bool protect) {
  if (!InRange(cell)) return -1;
  const char letter = protect ? 'P' : 'U';
  if (!cells_.SetProtection(cell->row, cell->col, letter)) cells_.Store(cell->row, cell->col, letter, {});
  RefreshCursorProtection();
  host_.Invalidate();
  return 0;
}

std::intptr_t GridEngine::SetCell(const GridCell* cell, const char* text) {
  return SetCellText(cell, text != nullptr ? std::string_view(text) : std::string_view());
}

std::intptr_t GridEngine::SetCellText(const GridCell* cell, std::string_view text) {
  if (!InRange(cell)) return -1;
  cells_.Store(cell->row, cell->col, state_.defaultProtection, text);
  if (cell->row == state_.cursorRow && cell->col == state_.cursorCol) RefreshCursorProtection();
  host_.Invalidate();
  AfterStore(cell->row, cell->col);
  return 0;
}

std::intptr_t GridEngine::GetCell(const GridCell* cell, std::string* text) {
  if (!InRange(cell)) return -1;
  if (text != nullptr) {
    const std::optional<StoredCell> stored = cells_.Find(cell->row, cell->col);
    if (stored) {
      text->assign(stored->text);
    } else {
      text->clear();
    }
  }
  return 0;
}

std::intptr_t GridEngine::DeleteCell(const GridCell* cell) {
  if (!InRange(cell)) return -1;
  if (cells_.Remove(cell->row, cell->col)) {
    RefreshCursorProtection();
    host_.Invalidate();
  }
  NotifyCursor(GN_EDITEND);
  return 0;
}

std::intptr_t GridEngine::GetCellType(const GridCell* cell) {
  if (!InRange(cell)) return -1;
  const std::optional<StoredCell> stored = cells_.Find(cell->row, cell->col);
  return stored ? CellTypeNumber(stored->type) : kCellNone;
}

std::intptr_t GridEngine::GetProtection(const GridCell* cell) {
  if (!InRange(cell)) return -1;
  const std::optional<StoredCell> stored = cells_.Find(cell->row, cell->col);
  return stored && stored->protection == 'P' ? 1 : 0;
}

std::intptr_t GridEngine::SendMessage(unsigned message, std::uintptr_t wParam,
                                      std::intptr_t lParam) {
  const auto* cell = reinterpret_cast<const GridCell*>(wParam);
  const bool on = wParam != 0;
  const auto wide = static_cast<std::intptr_t>(wParam);
  switch (message) {
    case GM_PROTECTCELL: return ProtectCell(cell, lParam != 0);
    case GM_SETPROTECTDEFAULT: state_.defaultProtection = on ? 'P' : 'U'; return 0;
    case GM_SETCELL: return SetCell(cell, reinterpret_cast<const char*>(lParam));
    case GM_GETCELL: return GetCell(cell, reinterpret_cast<std::string*>(lParam));
    case GM_CLEAR:
      cells_.Clear();
      state_.rows = 0;
      state_.cursorRow = 1;
      state_.topRow = 1;
      state_.leftCol = 1;
      RefreshCursorProtection();
      host_.Invalidate();
      return 0;
    case GM_SETDIMENSIONS: SetDimensions(wide, lParam); return 0;
    case GM_DELETECELL: return DeleteCell(cell);
    case GM_SETCURSOR: SetCursor(wide, lParam); return 0;
    case GM_SETAUTOROW: state_.autoRow = on; return 0;
    case GM_GETOWNERDRAWITEM: return state_.ownerDrawItem;
    case GM_SETCOLWIDTH: SetColWidth(wide, lParam); return 0;
    case GM_SETHEADERHEIGHT: SetHeaderHeight(wide); return 0;
    case GM_GETCELLTYPE: return GetCellType(cell);
    case GM_GETPROTECTION: return GetProtection(cell);
    case GM_DRAWCURSOR: return 0;  // the view draws the frame after painting
    case GM_SETROWHEIGHT: SetRowHeight(wide); return 0;
    case GM_SETCURSORCOLOR: state_.cursorColor = ColorFrom(wParam); break;
    case GM_SETPROTECTCOLOR: state_.protectColor = ColorFrom(wParam); break;
    case GM_SETUNPROTECTCOLOR: state_.unprotectColor = ColorFrom(wParam); break;
    case GM_SETROWSNUMBERED: state_.rowsNumbered = on; break;
    case GM_SETCOLSNUMBERED: state_.colsLettered = on; break;
    case GM_SETROWHIGHLIGHT: state_.rowHighlight = on; break;
    case GM_GETROWS: return state_.rows;
    case GM_GETCOLS: return state_.cols;
    case GM_NOTIFYROWCHANGE:
      NotifyCursor(GN_ROWCHANGED);
      NotifyCursor(GN_SELCHANGE);
      return 0;
    case GM_NOTIFYCOLCHANGE:
      NotifyCursor(GN_COLCHANGED);
      NotifyCursor(GN_SELCHANGE);
      return 0;
    case GM_GETCURSORROW: return state_.cursorRow;
    case GM_GETCURSORCOL: return state_.cursorCol;
    case GM_REPAINT:
      host_.Invalidate();
      host_.Beep();
      return 0;
    case GM_GETCOLWIDTH:
      return wide >= 0 && wide <= kGridMaxCols ? state_.colWidths[static_cast<std::size_t>(wide)]
                                               : 0;
    case GM_GETROWHEIGHT: return state_.rowHeight;
    case GM_GETHEADERHEIGHT: return state_.headerRowHeight;
    case GM_SETTITLEHEIGHT: SetTitleHeight(wide); return 0;
    case GM_SETHIGHLIGHTCOLOR: state_.highlightColor = ColorFrom(wParam); break;
    case GM_SETHIGHLIGHTTEXTCOLOR: state_.highlightTextColor = ColorFrom(wParam); break;
    case GM_SETEDITABLE: state_.editable = on; return 0;
    case GM_SETGRIDLINECOLOR: state_.gridLineColor = ColorFrom(wParam); break;
    case GM_EXTENDLASTCOLUMN: state_.extendLastCol = on; break;
    case GM_SETINTEGRALROWS:
      state_.integralRows = on;
      ReapplyLastSize();
      break;
    case GM_SETELLIPSIS: state_.ellipsis = on; break;
    case GM_SETCOLAUTOWIDTH: state_.colAutoWidth = on; return 0;
    case GM_SETCOLRESIZE: state_.colResizeAllowed = on; return 0;
    case GM_SETTITLEFONT:
      if (wParam == 0) return 0;
      state_.titleFont = *reinterpret_cast<const GridFont*>(wParam);
      break;
    case GM_SETHEADINGFONT:
      if (wParam == 0) return 0;
      state_.headingFont = *reinterpret_cast<const GridFont*>(wParam);
      break;
    case GM_SETCOLMAXCHARS: SetColMaxChars(wide, lParam); return 0;
    case GM_GETTOPLEFT:
      return static_cast<std::intptr_t>((state_.topRow & 0xFFFF) | ((state_.leftCol & 0xFFFF) << 16));
    case GM_SETTOPLEFT: SetTopLeft(lParam); return 0;
    default: return 0;
  }
  // The setters that fall through here only change the look.
  host_.Invalidate();
  return 0;
}

std::intptr_t SetGridCell(GridEngine& grid, int row, int col, std::string_view text) {
  GridCell cell{row, col};
  // As GM_SETCELL takes it: the text ends at a NUL.
  return grid.SetCellText(&cell, text.substr(0, text.find('\0')));
}

std::intptr_t GetGridCell(GridEngine& grid, int row, int col, std::string* text) {
  GridCell cell{row, col};
  return grid.SendMessage(GM_GETCELL, reinterpret_cast<std::uintptr_t>(&cell),
                          reinterpret_cast<std::intptr_t>(text));
}

std::string GetGridCellText(GridEngine& grid, int row, int col) {
  std::string text;
  GetGridCell(grid, row, col, &text);
  return text;
}
