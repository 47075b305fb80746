#pragma once
// What a grid needs from the window system around it. The desktop widget
// implements it; tests use a recording host.

#include <cstdint>
#include <string_view>

#include "grid/grid_input.h"

// A font as the grid asks for it: pixel height and weight (100 thin ... 900 heavy).
struct GridFont {
  int height = 16;
  int weight = 400;
  bool operator==(const GridFont&) const = default;
};

struct TextExtent {
  int width = 0;
  int height = 0;
};

class GridHost {
 public:
  virtual ~GridHost() = default;
  // A notification to the parent window: WM_COMMAND with the control identifier
  // and the code, and lParam as each notification defines it.
  virtual void GridNotify(int controlId, int code, std::intptr_t lParam) = 0;
  // Extent of one line of text in the font.
  virtual TextExtent MeasureText(const GridFont& font, std::string_view text) = 0;
  virtual void Beep() {}
  // The grid's look changed; the view repaints when it next can.
  virtual void Invalidate() {}
  // Move the keyboard focus to the grid; the view answers with FocusIn().
  virtual void TakeFocus() {}
  // The grid gained or lost the focus. A client may tell the grid so itself
  // (the main window takes the focus from the grid before a tab change): the
  // view's own focus follows, so that the two never disagree.
  virtual void FocusChanged() {}
  // Move the keyboard focus on to the window's next control, or back to its previous one.
  virtual void MoveFocus(bool /*forward*/) {}
  virtual void SetCursorShape(GridCursorShape) {}
  // Shown, range or position of a scroll bar changed.
  virtual void ScrollBarsChanged() {}
  // The caret was created, destroyed, shown, hidden or moved.
  virtual void CaretChanged() {}
  // Height of a line of text in the view's default font, for the caret.
  virtual int DefaultTextHeight() { return MeasureText(GridFont{}, "X").height; }
};
