// Typing into the cursor cell: the edit buffer, storing or dropping it, the caret.

#include <algorithm>
#include <string>

#include "text/utf8_text.h"
#include "grid/grid_engine.h"

void GridEngine::Char(char32_t code) {
  RefreshCursorProtection();
  if (state_.cursorCellProtected || !state_.editable || state_.rows <= 0) return;
  EnsureCursorVisible();

  if (code >= 32 && code <= 125) {
    BeginEditIfIdle();
    const int col = std::clamp(state_.cursorCol, 0, kGridMaxCols);
    const auto limit = static_cast<std::size_t>(
        std::min(state_.colMaxChars[static_cast<std::size_t>(col)], kGridEditMaxChars));
    if (CountChars(state_.editBuffer) < limit) {
      state_.editBuffer += static_cast<char>(code);
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
