#pragma once
// The row commands every whole-farm list grid shares: insert, heading, cut, copy,
// paste and delete at the link a grid row stands for.

#include <memory>
#include <string>
#include <string_view>

#include "platform/clipboard_transfer.h"
#include "grid/grid_engine.h"
#include "model/crop_budget.h"
#include "model/grid_cells.h"
#include "model/line_chain.h"
#include "platform/app_message.h"

struct ListRowCommand {
  int command = 0;
  int column = 0;              // the grid cursor's column, for a cell paste
  int lastEditableColumn = 0;  // a cell paste beyond it would land in a hidden field
  int budgetCount = 0;
  std::string_view recordFormat;
};

// Line needs: heading, SetValue, CopyToClipboard(window, budgets), PasteFromClipboard.
template <typename Line>
void HandleListRowCommand(const ListRowCommand& request, std::unique_ptr<Line>& slot) {
  const int command = request.command;
  const PasteKind paste = command == kCmdPaste ? OfferedPaste(request.recordFormat)
                                               : PasteKind::kNone;
  Line* line = slot.get();

  if (line && command == kCmdCopy) line->CopyToClipboard(nullptr, request.budgetCount);
  // A cut whose copy failed would lose the line.
  if (line && (command == kCmdDelete ||
               (command == kCmdCut && line->CopyToClipboard(nullptr, request.budgetCount)))) {
    Unlink(slot);
    return;
  }

  // Text goes only where the user could type it; elsewhere it would land in a
  // field no cell shows.
  const int column = request.column;
  const bool headingRow = line && line->heading;
  const bool textFits = headingRow ? column == 1
                                   : column >= 1 && column <= request.lastEditableColumn;
  if (paste == PasteKind::kText && !textFits) return;

  const bool createsLine = command == kCmdInsertLine || command == kCmdAddHeading ||
                           paste == PasteKind::kRecord || (paste == PasteKind::kText && !line);
  if (createsLine) {
    line = &LinkIn(slot, std::make_unique<Line>());
    if (command == kCmdAddHeading) line->heading = 1;
  }
  if (!line) return;
  if (paste == PasteKind::kRecord) {
    // A record too large to read leaves the new line empty, as the user sees it.
    line->PasteFromClipboard(nullptr);
  } else if (paste == PasteKind::kText) {
    std::string ignored;
    line->SetValue(column, PastedCellText(), &ignored);
  }
}

// The row command at the grid's cursor: the list's link for the cursor row, or
// the list's message when the row has none. Returns 1 when a command ran.
template <typename Line, typename LinkOfRow>
int RunListRowCommand(ListRowCommand request, GridEngine& grid, LinkOfRow linkOfRow,
                      std::string_view noLinkMessage) {
  std::unique_ptr<Line>* link = linkOfRow(static_cast<int>(grid.SendMessage(GM_GETCURSORROW)));
  if (!link) {
    App_MessageBox(noLinkMessage);
    return 0;
  }
  request.column = static_cast<int>(grid.SendMessage(GM_GETCURSORCOL));
  HandleListRowCommand(request, *link);
  return 1;
}

// A typed cell. The link of a new-item row is the list's empty end, so the line
// made for it joins the end of that list. Returns the line edited; nullptr when
// nothing was typed on a new-item row.
template <typename Line>
Line* EditListCell(std::unique_ptr<Line>& link, int column, std::string_view text,
                   std::string* problem) {
  if (!link) {
    if (IsUntouchedNewItemCell(column, text)) return nullptr;
    LinkIn(link, std::make_unique<Line>());
  }
  link->SetValue(column, text, problem);
  return link.get();
}
