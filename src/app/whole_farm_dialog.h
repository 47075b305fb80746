#pragma once
// What the whole-farm list windows share: a grid over one of the document's
// lists, row menus, the instructions, "Copy Values to Worksheets" and the resize
// layout. Each window describes itself once and hands its events here.

#include <string>
#include <string_view>

#include "platform/dialog.h"

class CBudgetWorksheet;
class GridEngine;
struct GridFont;

struct ListCellEdit {
  bool linked = false;
  bool changed = false;
  bool overDistributed = false;  // the line now distributes more than 100 %
  std::string problem;           // a value that could not be read
};

struct WholeFarmWindow {
  std::string_view caption;  // empty: the template's
  std::string_view instructions;
  std::string_view editWithoutLinkMessage;
  std::string_view copyMenuText;
  std::string_view printMenuText;
  std::string_view recordFormat;
  void (CBudgetWorksheet::*setUpGrid)(GridEngine&, const GridFont&, int) const;
  void (CBudgetWorksheet::*fillGrid)(GridEngine&) const;
  bool (*hasRowLink)(CBudgetWorksheet&, int row);
  ListCellEdit (*editCell)(CBudgetWorksheet&, int row, int col, std::string_view text);
  int (CBudgetWorksheet::*rowOperation)(int command, GridEngine&);
  bool (*copyToClipboard)(CBudgetWorksheet&, PlatformWindow* owner);
  void (CBudgetWorksheet::*handToBudgets)();
};

inline constexpr int kListWindowMinWidth = 600;
inline constexpr int kListWindowMinHeight = 420;

int WholeFarmDialogProc(const WholeFarmWindow& window, Dialog& dialog, const DialogEvent& event);

// The instructions, and a note when some budgets have no slots in the lists.
std::string ListInstructions(std::string_view instructions, int budgetCount);
