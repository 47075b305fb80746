// Typing into the cursor cell: the edit buffer, storing or dropping it, the caret.

#include <algorithm>
#include <string>

#include "text/utf8_text.h"
#include "grid/grid_engine.h"

namespace {

// Any character a user can see or type as a blank: no control characters, C0
// or C1, and no code point that is not a character. A "~" never starts an edit,
// since a cell whose text begins with it is drawn by the parent.
bool IsTypedCharacter(char32_t code, bool first) {
  if (code < 32 || (code >= 0x7F && code < 0xA0)) return false;
  if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
  return !(first && code == U'~');
}

}  // namespace

bool GridEngine::CursorCellEditable() {
  RefreshCursorProtection();
  return !state_.cursorCellProtected && state_.editable && state_.rows > 0;
}

void GridEngine::Char(char32_t code) {
  if (!CursorCellEditable()) return;
  EnsureCursorVisible();

  if (IsTypedCharacter(code, !state_.editing)) {
    BeginEditIfIdle();
    const int col = std::clamp(state_.cursorCol, 0, kGridMaxCols);
    const auto limit = static_cast<std::size_t>(
        std::min(state_.colMaxChars[static_cast<std::size_t>(col)], kGridEditMaxChars));
    if (CountChars(state_.editBuffer) < limit) {
      AppendUtf8(state_.editBuffer, code);
    } else {
      host_.Beep();
    }
  } else if (code == U'\b') {
    BeginEditIfIdle();
    std::string& buffer = state_.editBuffer;
    // Drop a whole character, continuation bytes and all.
    while (!buffer.empty() && (static_cast<unsigned char>(buffer.back()) & 0xC0) == 0x80) buffer.pop_back();
    if (!buffer.empty()) buffer.pop_back();
  } else if (code == U'\r') {
    StoreEdit();
    if (state_.rows > 0 && state_.cursorRow < state_.rows) MoveToRow(state_.cursorRow + 1);
    return;
  } else {
    return;
  }
  UpdateCaret();
  host_.Invalidate();
}

// F2: an edit that starts from the cell's text, to correct it rather than retype it.
void GridEngine::EditCellText() {
  if (state_.editing || !CursorCellEditable()) return;
  EnsureCursorVisible();
  BeginEditIfIdle();
  // Beginning told the parent, which may have rewritten the cell.
  const std::optional<StoredCell> cell = cells_.Find(state_.cursorRow, state_.cursorCol);
  if (cell) state_.editBuffer.assign(cell->text);
  UpdateCaret();
  host_.Invalidate();
}

// Delete: an empty text stored, as a backspace and leaving the cell would. The
// caret of an edit stands after its text, so there it deletes nothing.
void GridEngine::EmptyCell() {
  if (state_.editing || !CursorCellEditable()) return;
  const std::optional<StoredCell> cell = cells_.Find(state_.cursorRow, state_.cursorCol);
  if (!cell || cell->text.empty()) return;
  BeginEditIfIdle();
  StoreEdit();
}

void GridEngine::BeginEditIfIdle() {
  if (state_.editing) return;
  NotifyCursor(GN_EDITBEGIN);
  state_.editing = true;
  state_.editBuffer.clear();
}

void GridEngine::StoreEdit() {
  if (!state_.editing) return;
  const std::string text = std::move(state_.editBuffer);
  state_.editBuffer.clear();
  SetGridCell(*this, state_.cursorRow, state_.cursorCol, text);
  state_.editing = false;
  UpdateCaret();
  host_.Invalidate();
  NotifyCursor(GN_EDITEND);
}

void GridEngine::CancelEdit() {
  if (!state_.editing) return;
  state_.editBuffer.clear();
  state_.editing = false;
  UpdateCaret();
  host_.Invalidate();
  NotifyCursor(GN_EDITEND);
}

GridCaret GridEngine::Caret() const {
  return {state_.caretCreated, state_.caretVisible, state_.caretX, state_.caretY, state_.caretHeight};
}

// The caret stands just right of the right-aligned text in the edit box.
void GridEngine::UpdateCaret() {
  const GridCaret before = Caret();
  GridState& s = state_;
  s.caretVisible = s.caretCreated && s.editing && CursorCellShown();
  if (s.caretVisible) {
    const GridRect box = CellRect(s.cursorRow, s.cursorCol).Inset(2, 2);
    s.caretX = box.right - 4;
    s.caretY = box.top + (box.Height() - s.caretHeight) / 2;
  }
  if (!(Caret() == before)) host_.CaretChanged();
}
