#pragma once
// The keys a script presses, by name: one table for every shell. Each shell
// turns a key into what its keyboard sends: the headless one into the grid's
// key, the desktop one into a Qt key event.

#include <string_view>

#include "grid/grid_input.h"

struct ScriptKey {
  std::string_view name;
  GridKey key = GridKey::Other;
};

// The key of that name; nullptr when there is none.
const ScriptKey* FindScriptKey(std::string_view name);
