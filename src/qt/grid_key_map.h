#pragma once
// Qt keys as the grid engine names them; GridKey::Other for typing keys.

#include "grid/grid_input.h"

// Control with Tab (or Backtab, Qt's Shift+Tab) leaves the grid.
GridKey GridKeyFromQt(int qtKey, bool control = false);
