#pragma once
// A whole-farm window's grid as its list shows it: set up once, filled for a
// tab, edited cell by cell, with row commands, and handed to the budgets. The
// window (src/app) only forwards its events here.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/crop_budget.h"
#include "model/line_chain.h"

class GridEngine;
class WholeFarmLists;
struct GridFont;

// What a list sees of the worksheet: the budgets in tab order and the lists.
struct FarmScope {
  std::unique_ptr<CCropBudget>& budgets;
  WholeFarmLists& lists;

  int CountBudgets() const { return ChainLength(budgets); }
};

struct ListCellEdit {
  std::string refusal;           // why nothing was edited, for the user; empty when edited
  bool changed = false;          // a record took the text
  bool overDistributed = false;  // the record now distributes more than 100 %
  std::string problem;           // a value that could not be read
};

class ListGrid {
 public:
  virtual ~ListGrid() = default;

  virtual void SetUp(GridEngine& grid, const GridFont& headingFont, int textHeight) const = 0;
  virtual void Fill(GridEngine& grid, int tab) const = 0;
  // Whether the row stands for a record or a list's empty end.
  virtual bool HasRowLink(int row, int tab) const = 0;
  virtual ListCellEdit EditCell(int row, int col, int tab, std::string_view text) = 0;
  // A row command at the grid's cursor row; 1 when it ran, 0 with the list's
  // message when the row stands for nothing.
  virtual int HandleRowOperation(int command, GridEngine& grid, int tab) = 0;
  // The clipboard format whose records Paste takes.
  virtual std::string_view RecordFormat() const = 0;
  // Sets every budget's calculated rows from the list.
  virtual void HandToBudgets() = 0;

  // Boxes beside the grid that edit fields of the record at a row: their texts
  // while the cell (row, col) of the tab shows them, nullopt otherwise.
  virtual std::optional<std::vector<std::string>> SideFields(int /*row*/, int /*col*/,
                                                             int /*tab*/) const {
    return std::nullopt;
  }
  // Stores the text of side box `index` into the record of the row; false when
  // the row holds no record.
  virtual bool SetSideField(int /*row*/, int /*index*/, std::string_view /*text*/) {
    return false;
  }
};
