#pragma once
// What the summary tab shows in the main window's shared controls.

class CBudgetWorksheet;
class Dialog;
class GridEngine;

// "Name", "Phone" and "Address" of the worksheet in the header edits.
void ShowSummaryFields(const CBudgetWorksheet& document, Dialog& window);
// The whole-farm summary, or with operatingCosts the operating cost summary.
void FillSummaryGrid(CBudgetWorksheet& document, GridEngine& grid, bool operatingCosts);
