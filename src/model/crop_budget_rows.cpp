// The row commands of the budget grid's right-click menu.
#include <string>

#include "document/clipboard_transfer.h"
#include "grid/grid_engine.h"
#include "model/crop_budget.h"
#include "model/line_chain.h"
#include "platform/app_message.h"
#include "platform/clipboard.h"

namespace {

// A pasted text goes into one cell; anything longer than a cell edit is taken
// as nothing rather than cut.
constexpr std::size_t kPastedTextBytes = 31;

enum class PasteKind { kNone, kLine, kText };

PasteKind OfferedPaste() {
  if (IsClipboardFormatOffered(nullptr, kFormatBudgetLine)) return PasteKind::kLine;
  if (IsClipboardFormatOffered(nullptr, kClipboardTextFormat)) return PasteKind::kText;
  return PasteKind::kNone;
}

std::string PastedText() {
  std::string text;
  std::size_t size = 0;
  // Room for the terminating zero that plain text may carry.
  if (!FetchClipboardData(nullptr, &text, kPastedTextBytes + 1, &size, kClipboardTextFormat)) {
    return {};
  }
  if (const std::size_t end = text.find('\0'); end != std::string::npos) text.resize(end);
  if (text.size() > kPastedTextBytes) return {};
  return text;
}

}  // namespace

int CCropBudget::HandleRowOperation(int command, GridEngine& grid) {
  const int row = static_cast<int>(grid.SendMessage(GM_GETCURSORROW));
  const int col = static_cast<int>(grid.SendMessage(GM_GETCURSORCOL));
  const int section = GetSectionOfRow(row);
  LineSlot* slot = GetLineSlot(row);
  if (!slot) {
    App_MessageBox("NULL pParent pointer in CCropBudget::HandleRowOperation");
    return 0;
  }

  const PasteKind paste = command == kCmdPaste ? OfferedPaste() : PasteKind::kNone;
  CBudgetLine* line = slot->get();

  if (line && command == kCmdCopy) line->CopyToClipboard(nullptr, *this, section);
  // A cut whose copy failed would lose the line.
  if (line && (command == kCmdDelete ||
               (command == kCmdCut && line->CopyToClipboard(nullptr, *this, section)))) {
    Unlink(*slot);
    return 1;
  }

  const bool createsLine = command == kCmdInsertLine || command == kCmdAddHeading ||
                           paste == PasteKind::kLine || (paste == PasteKind::kText && !line);
  if (createsLine) {
    line = &LinkIn(*slot, std::make_unique<CBudgetLine>());
    if (command == kCmdAddHeading) line->SetKind(kKindHeading);
  }

  if (line && paste == PasteKind::kLine && !line->PasteFromClipboard(nullptr, section)) {
    // Nothing could be read: take back the empty line made for it.
    Unlink(*slot);
  } else if (line && paste == PasteKind::kText) {
    std::string ignored;
    line->SetValue(col, PastedText(), &ignored);
  }
  return 1;
}
