#pragma once
// A budget tab as tab-separated text, as "Copy Current Tab to Clipboard" places it.

#include <string>

class CCropBudget;

// Brings the operating interest row up to date first, as showing the tab does.
std::string RenderBudgetText(CCropBudget& budget);
