#pragma once
// Qt keys as the grid engine names them, both ways; GridKey::Other for typing
// keys.

#include <Qt>

#include "grid/grid_input.h"

// Control with Tab (or Backtab, Qt's Shift+Tab) leaves the grid.
GridKey GridKeyFromQt(int qtKey, bool control = false);
// The key a keyboard sends for a grid key, with the modifiers held with it;
// Qt::Key_unknown for GridKey::Other.
Qt::Key QtKeyOf(GridKey key, Qt::KeyboardModifiers* modifiers);
