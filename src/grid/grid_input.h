#pragma once
// What the view forwards to the grid engine: keys, mouse buttons, scroll bar
// actions, and the mouse cursor shape the engine asks for.

enum class GridKey {
  Down, Up, PageDown, PageUp, Enter, Right, Tab, Left, ShiftTab, Escape, Delete, Backspace,
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
  CtrlTab, CtrlShiftTab,  // leave the grid for the window's next or previous control
  Other,
};

// The view's scroll bars are this thick; the grid leaves room for them.
inline constexpr int kGridScrollBarThickness = 17;

enum class GridMouseButton { Left, Right };

// Line and page actions step back (up, left) or forward (down, right).
enum class GridScrollAction { LineBack, LineForward, PageBack, PageForward, ThumbTrack, Other };

enum class GridCursorShape { Arrow, SizeHorizontal };

struct GridScrollBar {
  bool shown = false;
  int min = 1, max = 1, pos = 1, page = 1;
  bool operator==(const GridScrollBar&) const = default;
};

// The text caret of an edit in progress: 3 pixels wide, drawn by the view.
struct GridCaret {
  bool created = false;  // while the grid has the focus
  bool visible = false;
  int x = 0, y = 0, height = 0;
  bool operator==(const GridCaret&) const = default;
};
