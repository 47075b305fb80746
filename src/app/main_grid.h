#pragma once
// The main window's grid: its set-up and where it was scrolled on each tab.

class Dialog;
class GridEngine;

// The grid of the main window; nullptr when the window has none.
GridEngine* MainGrid(Dialog& window);

// Fonts, switches, colours and column widths of a budget grid, sized by the
// window's character height.
void ConfigureMainGrid(GridEngine& grid, int charHeight);
// The width that shows every column of a budget grid, its vertical scroll bar too.
int BudgetGridFullWidth();

// Every tab starts at the top-left cell.
void ResetGridScrollMemory();
// Remember or restore the grid's top-left cell for the current tab.
void SaveGridScroll(Dialog& window);
void RestoreGridScroll(Dialog& window);
