#pragma once
// What a user does to a headless dialog, delivered as the window system would
// deliver it, after the checks every shell makes (script_targets.h). Each
// returns why it could not be done, or an empty text.

#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_input.h"
#include "script/script_targets.h"

class HeadlessDialog;

// The dialog's controls as the user sees them, in template order.
std::vector<ScriptControl> ControlsOf(const HeadlessDialog& dialog);

// A click on a button, check box or radio button (a check box toggles, a radio
// button is checked and the rest of its group cleared), or the choice of a menu
// bar command; any other command goes to the procedure as it is.
std::string UserCommand(HeadlessDialog& dialog, int id);
// Replaces the text of an edit or combo box, cut to its limit, and reports the
// change as the control would.
std::string UserEdit(HeadlessDialog& dialog, int id, std::string_view text);
// Chooses an item of a list box, combo box or drop-down list; in a list box
// of multiple selection the item joins the selection (a Ctrl+click).
std::string UserSelect(HeadlessDialog& dialog, int id, int index);
// A double click on an item of a list box, which selects it alone first.
std::string UserDoubleClickItem(HeadlessDialog& dialog, int id, int index);
// A click on a tab of the dialog's tab strip.
std::string UserClickTab(HeadlessDialog& dialog, int index);
// A right click on a control that has no menu of its own, or on the window's
// background (id 0): the context-menu request, at the control's middle.
std::string UserContextMenu(HeadlessDialog& dialog, int id);
// The window's close box.
std::string UserClose(HeadlessDialog& dialog);

// The grid actions act on the dialog's first grid, scrolled so that the cell
// is shown.
std::string UserClickCell(HeadlessDialog& dialog, int row, int col);
std::string UserDoubleClickCell(HeadlessDialog& dialog, int row, int col);
std::string UserRightClickCell(HeadlessDialog& dialog, int row, int col);
// Characters typed into the grid, which takes the focus first.
std::string UserType(HeadlessDialog& dialog, std::string_view text);
// A key pressed in the grid; a key the grid does not want (Escape with no edit
// in progress) goes to the dialog, as does Escape or Enter in a dialog without
// a grid.
std::string UserKey(HeadlessDialog& dialog, GridKey key);
