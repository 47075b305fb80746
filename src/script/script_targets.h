#pragma once
// What a user's action acts on, found and checked alike in every shell: a
// control by identifier, a menu bar command, the tab strip, the grid and one
// of its cells. Each check returns why the action cannot be done, or an empty
// text.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog.h"

class GridEngine;

// A control as the user sees it.
struct ScriptControl {
  int id = 0;
  ControlKind kind = ControlKind::kLabel;
  std::uint32_t style = kStyleNone;
  bool visible = true;
  bool enabled = true;
  std::string text;  // as the window system reports it
};

// The first control with that identifier, as the window system finds it; the
// first of a kind in template order; nullptr when there is none.
const ScriptControl* FindControl(const std::vector<ScriptControl>& controls, int id);
const ScriptControl* FirstOfKind(const std::vector<ScriptControl>& controls, ControlKind kind);

// What a command reaches: a menu bar item (menu commands may share a number
// with a hidden button), else a button, check box or radio button, else the
// window's procedure as it is (a popup menu's or an accelerator's command).
enum class CommandTarget { kMenuItem, kControl, kWindow };
std::string CheckCommand(const std::vector<MenuItem>& menuBar,
                         const std::vector<ScriptControl>& controls, int id,
                         CommandTarget* target);
// An edit box or a combo box's edit part that takes typing; a line break
// only where Enter starts a new line, in a multi-line box that wants it.
std::string CheckTyping(const std::vector<ScriptControl>& controls, int id,
                        std::string_view text);
// An item of a list box, combo box or drop-down list.
std::string CheckChoice(const std::vector<ScriptControl>& controls, const Dialog& window, int id,
                        int index);
// An item of a list box.
std::string CheckListItem(const std::vector<ScriptControl>& controls, const Dialog& window, int id,
                          int index);
// A tab of the window's tab strip, whose identifier is set.
std::string CheckTab(const std::vector<ScriptControl>& controls, const Dialog& window, int index,
                     int* stripId);
// A shown control that the mouse can reach (static texts and group boxes let
// it through), or the window's background (id 0).
std::string CheckContext(const std::vector<ScriptControl>& controls, int id);

struct GridTarget {
  int id = 0;
  GridEngine* engine = nullptr;
};
// The window's first grid, shown and enabled.
std::string FindGrid(Dialog& window, const std::vector<ScriptControl>& controls,
                     GridTarget* target);

// Moves a scroll bar's thumb to a position, as the user drags it.
using GridScroll = std::function<void(bool vertical, int position)>;
// Scrolls the grid until the cell shows, then gives its middle in the grid's
// client coordinates.
std::string LocateCell(GridEngine& grid, int row, int col, const GridScroll& scroll, int* x,
                       int* y);
