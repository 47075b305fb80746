#pragma once
// The main window's tabs: which budget or the summary they show, and how the
// header controls change with them.

class CCropBudget;
class Dialog;

inline constexpr int kSummaryTab = 0;

int CurrentTab(const Dialog& window);
// The budget behind the current tab; nullptr on the summary tab or when missing.
CCropBudget* CurrentBudget(const Dialog& window);
// A tab that is the summary or stands for a budget of the document.
bool IsValidTab(int tab);

// Shows the current tab's header, grid and instructions.
void ShowCurrentTab(Dialog& window);
// One tab per budget after "Summary"; the selection stays, or goes to the last tab.
void RebuildTabs(Dialog& window);
void SelectTab(Dialog& window, int tab);

// Fits the tab strip, the grid and the instruction box to the window's client area.
void LayoutMainWindow(Dialog& window);
