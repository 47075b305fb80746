// The row commands of the budget grid's right-click menu.
#include <string>

#include "platform/clipboard_transfer.h"
#include "grid/grid_engine.h"
#include "model/crop_budget.h"
#include "model/line_chain.h"
#include "platform/app_message.h"
#include "platform/clipboard.h"

int CCropBudget::HandleRowOperation(int command, GridEngine& grid) {
  const int row = static_cast<int>(grid.SendMessage(GM_GETCURSORROW));
  const int col = static_cast<int>(grid.SendMessage(GM_GETCURSORCOL));
  const int section = GetSectionOfRow(row);
  LineSlot* slot = GetLineSlot(row);
  if (!slot) {
    App_MessageBox("NULL pParent pointer in CCropBudget::HandleRowOperation");
    return 0;
  }

  const PasteKind paste = command == kCmdPaste ? OfferedPaste(kFormatBudgetLine) : PasteKind::kNone;
  CBudgetLine* line = slot->get();

  if (line && command == kCmdCopy) line->CopyToClipboard(nullptr, *this, section);
  // A cut whose copy failed would lose the line.
  if (line && (command == kCmdDelete ||
               (command == kCmdCut && line->CopyToClipboard(nullptr, *this, section)))) {
    Unlink(*slot);
    return 1;
  }

  const bool createsLine = command == kCmdInsertLine || command == kCmdAddHeading ||
                           paste == PasteKind::kRecord || (paste == PasteKind::kText && !line);
  if (createsLine) {
    line = &LinkIn(*slot, std::make_unique<CBudgetLine>());
    if (command == kCmdAddHeading) line->SetKind(kKindHeading);
  }

  if (line && paste == PasteKind::kRecord && !line->PasteFromClipboard(nullptr, section)) {
    // Nothing could be read: take back the empty line made for it.
    Unlink(*slot);
  } else if (line && paste == PasteKind::kText) {
    std::string ignored;
    line->SetValue(col, PastedCellText(), &ignored);
  }
  return 1;
}
