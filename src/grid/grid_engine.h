#pragma once
// The grid control without pixels: its state, its cell store, the GM_ messages
// and the GN_ notifications it sends to its parent. The desktop widget paints
// through a GridPainter and forwards keys, characters, the mouse and focus.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "grid/grid_cell_store.h"
#include "grid/grid_host.h"
#include "grid/grid_input.h"
#include "grid/grid_messages.h"
#include "grid/grid_painter.h"
#include "grid/grid_rect.h"

struct GridState {
  int controlId = 0;
  char defaultProtection = 'U';
  std::string title;
  std::string editBuffer;
  std::string editDisplay;
  int rows = 100;
  int cols = 255;
  int clientWidth = 0, clientHeight = 0;
  int topRow = 1;
  int leftCol = 1;
  int rowHeight = 19;
  int rightCol = 0, bottomRow = 0;
  int headerRowHeight = 21;
  int cursorRow = 1, cursorCol = 1;
  int ownerDrawItem = 0;
  int visibleCols = 0;
  int titleHeight = 0;
  int caretHeight = 0;
  bool caretCreated = false, caretVisible = false;
  int caretX = 0, caretY = 0;
  GridColor cursorColor = GridRgb(255, 255, 255);
  GridColor protectColor = GridRgb(255, 255, 255);
  GridColor unprotectColor = GridRgb(255, 255, 255);
  GridColor textColor = GridRgb(0, 0, 0);
  GridColor highlightColor = GridRgb(0, 0, 128);
  GridColor gridLineColor = GridRgb(220, 220, 220);
  GridColor highlightTextColor = GridRgb(255, 255, 255);
  bool rowHighlight = true;
  bool cursorCellProtected = false;
  bool hasFocus = false;
  bool autoRow = true;
  GridRect lastCursorRect;
  GridFont cellFont{16, 100};
  GridFont headingFont{18, 900};
  GridFont titleFont{20, 900};
  bool rowsNumbered = true;
  bool colsLettered = true;
  bool editable = false;
  bool editing = false;
  bool extendLastCol = true;
  bool hScrollShown = false, vScrollShown = false;
  int hScrollMax = 1, hScrollPos = 1;
  int vScrollMax = 1, vScrollPos = 1;
  bool integralRows = true;
  bool sizeGuard = false;
  bool ellipsis = true;
  bool colAutoWidth = false;
  bool resizing = false;
  bool colResizeAllowed = false;
  int resizeCol = 0, resizeStartWidth = 0, resizeStartX = 0;
  bool sizeCursorShown = false;
  std::array<int, kGridMaxCols + 1> colWidths{};
  std::array<int, kGridMaxCols + 1> colMaxChars{};
  bool savedIntegralRows = true;
  int lastSizeWidth = 0, lastSizeHeight = 0;
  bool enabled = true;
};

class GridEngine {
 public:
  GridEngine(int controlId, GridHost& host, std::string_view title = {});
  GridEngine(const GridEngine&) = delete;
  GridEngine& operator=(const GridEngine&) = delete;

  // The message interface. Cell messages carry a const GridCell* in wParam;
  // GM_SETCELL takes the text as a const char* (UTF-8, NUL-terminated) in lParam,
  // GM_GETCELL a std::string* that receives the text; GM_SETTITLEFONT and
  // GM_SETHEADINGFONT a const GridFont* in wParam.
  std::intptr_t SendMessage(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
  // GM_SETCELL with the text as a view, as SetGridCell sends it: no copy to
  // end it in NUL, no measuring it again.
  std::intptr_t SetCellText(const GridCell* cell, std::string_view text);

  // Window messages other than the GM_ ones.
  void SetTitle(std::string_view text);      // WM_SETTEXT
  void SetCellFont(const GridFont& font);    // WM_SETFONT
  void SetEnabled(bool enabled);             // WM_ENABLE
  void Resize(int clientWidth, int clientHeight);  // WM_SIZE

  int ControlId() const { return state_.controlId; }
  const GridState& State() const { return state_; }
  const GridCellStore& Cells() const { return cells_; }

  // WM_PAINT. Draws only the rows and columns that are shown and meet dirty,
  // so the cost follows the size of the view, never the row count.
  void Paint(GridPainter& painter, const GridRect& dirty);
  void Paint(GridPainter& painter);

  // Layout in client coordinates; -1 or 0 answers as the hit tests define them.
  int RowAt(int y) const;
  int ColumnAt(int x) const;
  // First column of nonzero width after from in direction (+1 or -1); 0 = none.
  int NextVisibleColumn(int from, int direction) const;
  // Last data row / column that begins inside the client area; 0 = none.
  int LastVisibleRow() const;
  int LastVisibleColumn() const;
  int RowsPerPage() const;
  GridRect CellRect(int row, int col) const;
  // The whole text of a number drawn as hashes at (x, y), its cell being too
  // narrow for it; empty anywhere else.
  std::string ToolTipAt(int x, int y) const;

  GridScrollBar VerticalScrollBar() const;
  GridScrollBar HorizontalScrollBar() const;
  void ScrollVertical(GridScrollAction action, int thumbPos = 0);    // WM_VSCROLL
  void ScrollHorizontal(GridScrollAction action, int thumbPos = 0);  // WM_HSCROLL

  // WM_KEYDOWN for the keys of the navigation table, F2 (edit the cell's text),
  // Delete (empty the cell) and Ctrl+Tab (leave the grid). Backspace may come as
  // the key or as character 8, never both; GridKey::Other is left to Char().
  void KeyDown(GridKey key, bool shift = false);
  // A typed character: any printable one, 8 (backspace) or 13 (carriage return).
  void Char(char32_t code);
  // WM_GETDLGCODE: Escape reaches the dialog unless an edit is in progress.
  bool WantsKey(GridKey key) const;

  void MouseDown(int x, int y, GridMouseButton button);
  void MouseMove(int x, int y);
  void MouseUp(int x, int y);
  void DoubleClick(int x, int y);
  void ContextMenu();
  void FocusIn();
  void FocusOut();

  GridCursorShape CursorShape() const;
  GridCaret Caret() const;

 private:
  struct RowMarks {
    bool blue = false;
    bool heading = false;
  };
  bool InRange(const GridCell* cell);
  void Notify(int code, std::intptr_t lParam);
  void NotifyCursor(int code);
  void AfterStore(int row, int col);
  void ReapplyLastSize();

  std::intptr_t ProtectCell(const GridCell* cell, bool protect);
  std::intptr_t SetCell(const GridCell* cell, const char* text);
  std::intptr_t GetCell(const GridCell* cell, std::string* text);
  std::intptr_t DeleteCell(const GridCell* cell);
  std::intptr_t GetCellType(const GridCell* cell);
  std::intptr_t GetProtection(const GridCell* cell);
  void SetDimensions(std::intptr_t rows, std::intptr_t cols);
  void SetCursor(std::intptr_t row, std::intptr_t col);
  void SetColWidth(std::intptr_t col, std::intptr_t width);
  void SetColMaxChars(std::intptr_t col, std::intptr_t count);
  void SetTopLeft(std::intptr_t packed);
  void SetRowHeight(std::intptr_t pixels);
  void SetHeaderHeight(std::intptr_t pixels);
  void SetTitleHeight(std::intptr_t pixels);

  // A size message, whether from the window system or re-applied.
  void HandleSize(int width, int height);
  void EnsureCursorVisible();
  void UpdateScrollBars();
  void UpdateHorizontalScrollBar();
  void UpdateVerticalScrollBar();
  void SetScrollPositions();
  void ScrollBarsMayHaveChanged(const GridScrollBar& vertical, const GridScrollBar& horizontal);
  void RefreshCursorProtection();

  int ColumnLeft(int col) const;
  int ColumnWidth(int col) const;
  GridRect CellRectIn(int row, int col, int lastVisibleCol) const;
  bool CursorCellShown() const;

  void MoveToRow(int row);
  void MoveToColumn(int col);
  void AfterCursorMove();

  bool CursorCellEditable();
  void BeginEditIfIdle();
  void EditCellText();
  void EmptyCell();
  void StoreEdit();
  void CancelEdit();
  void UpdateCaret();

  int BorderColumn(int x) const;
  void ShowCursorShape(GridCursorShape shape);

  RowMarks MarksOf(int row) const;
  bool NumberFits(std::string_view text, const GridFont& font, int width) const;
  void PaintTitle(GridPainter& painter, const GridRect& dirty);
  void PaintHeading(GridPainter& painter, int col, const GridRect& rect);
  void PaintCell(GridPainter& painter, int row, int col, const GridRect& rect, RowMarks marks);
  void PaintEdit(GridPainter& painter, const GridRect& dirty);
  void PaintCursorFrame(GridPainter& painter, const GridRect& dirty);

  GridHost& host_;
  GridState state_;
  GridCellStore cells_;
};

// Fill a GridCell and send GM_SETCELL / GM_GETCELL.
std::intptr_t SetGridCell(GridEngine& grid, int row, int col, std::string_view text);
std::intptr_t GetGridCell(GridEngine& grid, int row, int col, std::string* text);
std::string GetGridCellText(GridEngine& grid, int row, int col);
