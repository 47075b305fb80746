// Gaining and losing the keyboard focus.

#include "grid/grid_engine.h"

void GridEngine::FocusIn() {
  state_.hasFocus = true;
  RefreshCursorProtection();
  Notify(GN_GOTFOCUS, 0);
  state_.caretHeight = host_.DefaultTextHeight();
  state_.caretCreated = true;
  UpdateCaret();
  host_.Invalidate();
  host_.FocusChanged();
}

void GridEngine::FocusOut() {
  StoreEdit();
  state_.caretCreated = false;
  UpdateCaret();
  state_.hasFocus = false;
  Notify(GN_LOSTFOCUS, 0);
  host_.Invalidate();
  host_.FocusChanged();
}
