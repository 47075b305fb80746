#pragma once
// The File menu's document commands and the tab that follows them.

class Dialog;

void NewWorksheet(Dialog& window);
void OpenWorksheet(Dialog& window);
void SaveWorksheet(Dialog& window);
void SaveWorksheetAs(Dialog& window);
void ExitProgram(Dialog& window);

// Appends a budget and shows it on a new tab; the modified flag stays as it was.
void InsertBudgetTab(Dialog& window);
// The first budget's tab with the focus in its ID, or a new budget when the
// document has none.
void ShowFirstBudget(Dialog& window);
