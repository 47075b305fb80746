#pragma once
// The right-click menus of the main window and the list windows.

#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_template.h"

// Tab commands; "Delete current tab" is grayed on the summary tab.
void BuildTabMenu(std::vector<MenuItem>& menu, int tab);

// What a grid's row menu offers besides the row commands.
struct RowMenuTexts {
  std::string_view insert = "Insert New Line";
  bool offersHeading = true;
  std::string_view recordFormat;     // Paste is grayed unless the clipboard offers it or text
  std::vector<MenuItem> listItems;   // the window's own commands, between Paste and Delete
};
std::vector<MenuItem> BuildRowMenu(const RowMenuTexts& texts);
// A row command as the Edit menu names its step ("Undo Paste").
std::string RowCommandName(int command);
