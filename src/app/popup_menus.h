#pragma once
// The right-click menus of the main window.

#include <vector>

#include "platform/dialog_template.h"

// Tab commands; "Delete current tab" is grayed on the summary tab.
void BuildTabMenu(std::vector<MenuItem>& menu, int tab);
// Row commands of a budget grid; "Paste" is grayed while the clipboard holds
// neither a budget line nor text.
void BuildRowMenu(std::vector<MenuItem>& menu);
