#pragma once
// What every whole-farm list grid shares: the row commands (insert, heading,
// cut, copy, paste, delete) at the link a grid row stands for, and the typed
// cell. A link is the place in a list a row stands for: a record, or the list's
// empty end on a new-item row.

#include <memory>
#include <string>
#include <string_view>

#include "farm/list_grid.h"
#include "farm/whole_farm_list.h"
#include "grid/grid_engine.h"
#include "model/grid_cells.h"
#include "model/line_chain.h"
#include "platform/app_message.h"
#include "platform/clipboard_transfer.h"
#include "platform/resource_ids.h"

struct ListRowCommand {
  int command = 0;
  int column = 0;               // the grid cursor's column, for a cell paste
  int firstEditableColumn = 1;  // a cell paste outside these columns would land in a
  int lastEditableColumn = 0;   // field no cell shows
  ListView view;
};

// A new record; "Add Heading" makes a heading in lists that have them.
template <WholeFarmRecord Record>
Record& InsertRecord(std::unique_ptr<Record>& link, bool heading) {
  Record& record = LinkIn(link, std::make_unique<Record>());
  if (heading && Record::Markup().heading) record.*Record::Markup().heading = 1;
  return record;
}

template <WholeFarmRecord Record>
void HandleListRowCommand(const ListRowCommand& request, const WholeFarmList<Record>& list,
                          std::unique_ptr<Record>& link) {
  const int command = request.command;
  const PasteKind paste = command == kCmdPaste ? OfferedPaste(list.clipboardFormat)
                                               : PasteKind::kNone;
  Record* record = link.get();

  if (record && command == kCmdCopy) CopyListRecord(*record, list, request.view);
  // A cut whose copy failed would lose the record.
  if (record && (command == kCmdDelete ||
                 (command == kCmdCut && CopyListRecord(*record, list, request.view)))) {
    Unlink(link);
    return;
  }

  // Text goes only where the user could type it; elsewhere it would land in a
  // field no cell shows.
  const int column = request.column;
  const bool textFits = record && record->IsHeading()
                            ? column == 1
                            : column >= request.firstEditableColumn &&
                                  column <= request.lastEditableColumn;
  if (paste == PasteKind::kText && !textFits) return;

  const bool createsRecord = command == kCmdInsertLine || command == kCmdAddHeading ||
                             paste == PasteKind::kRecord || (paste == PasteKind::kText && !record);
  if (createsRecord) record = &InsertRecord(link, command == kCmdAddHeading);
  if (!record) return;
  if (paste == PasteKind::kRecord) {
    // A record too large to read leaves the new one empty, as the user sees it.
    PasteListRecord(*record, list);
  } else if (paste == PasteKind::kText) {
    std::string ignored;
    record->SetValue(request.view, column, PastedCellText(), &ignored);
  }
}

// The row command at the grid's cursor: the link of the cursor row, or the
// list's message when the row has none. Returns 1 when a command ran.
template <WholeFarmRecord Record, typename LinkOfRow>
int RunListRowCommand(ListRowCommand request, const WholeFarmList<Record>& list,
                      GridEngine& grid, LinkOfRow linkOfRow, std::string_view noLinkMessage) {
  std::unique_ptr<Record>* link = linkOfRow(static_cast<int>(grid.SendMessage(GM_GETCURSORROW)));
  if (!link) {
    App_MessageBox(noLinkMessage);
    return 0;
  }
  request.column = static_cast<int>(grid.SendMessage(GM_GETCURSORCOL));
  HandleListRowCommand(request, list, *link);
  return 1;
}

// A typed cell; noLinkMessage refuses a row that stands for no place in a list.
// On a new-item row the link is the list's empty end, so the record made for
// it joins the end of that list; nothing typed there makes none. A share above
// 100 % in all is reported, not refused.
template <WholeFarmRecord Record>
ListCellEdit EditListCell(std::unique_ptr<Record>* link, const WholeFarmList<Record>& list,
                          const ListView& view, int column, std::string_view text,
                          int firstSlotColumn, std::string_view noLinkMessage) {
  ListCellEdit edit;
  if (!link) {
    edit.refusal = noLinkMessage;
    return edit;
  }
  if (!*link) {
    if (IsUntouchedNewItemCell(column, text)) return edit;
    LinkIn(*link, std::make_unique<Record>());
  }
  Record& record = **link;
  record.SetValue(view, column, text, &edit.problem);
  edit.changed = true;
  // Exactly 100 % is a whole record distributed, and passes.
  edit.overDistributed = list.slotMeaning == SlotMeaning::kPercentages && column >= firstSlotColumn &&
                         TotalDistribution(record.allocation, view.budgetCount) > 100;
  return edit;
}
