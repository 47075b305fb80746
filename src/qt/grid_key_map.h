#pragma once
// Qt keys as the grid engine names them; GridKey::Other for typing keys.

#include "grid/grid_input.h"

GridKey GridKeyFromQt(int qtKey);
