#pragma once
// The name a whole-farm view gives a budget's columns: its Budget / Publication
// ID, or a numbered stand-in when it has none.

#include <string>
#include <string_view>

class CCropBudget;

// emptyPrefix is followed by position + 1, as in "Budget 3".
std::string BudgetColumnName(const CCropBudget& budget, int position, std::string_view emptyPrefix);
