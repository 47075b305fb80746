#pragma once
// Looking up menu items by command, through submenus.

#include <vector>

#include "platform/dialog_template.h"

// The first item with that command, searched depth first; nullptr when none.
MenuItem* FindMenuItem(std::vector<MenuItem>& items, int command);
const MenuItem* FindMenuItem(const std::vector<MenuItem>& items, int command);
