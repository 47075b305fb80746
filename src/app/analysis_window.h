#pragma once
// The breakeven and sensitivity analysis window, as the main window drives it.

class CCropBudget;

// Re-targets the analysis window at a budget (nullptr: none) and, with show,
// creates it on first use, shows and activates it; command 0 stands for the
// plain refresh (set-budget). Without show, a window not yet made stays so.
void ShowAnalysis(CCropBudget* budget, bool show, int command);
// The main window closes: the analysis window goes with it.
void CloseAnalysisWindow();
