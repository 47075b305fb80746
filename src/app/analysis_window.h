#pragma once
// The breakeven and sensitivity analysis window, as the main window drives it.

class CCropBudget;

// Re-targets the analysis window at a budget (nullptr: none) and, with show,
// opens and activates it; command 0 stands for the plain refresh.
void ShowAnalysis(CCropBudget* budget, bool show, int command);
