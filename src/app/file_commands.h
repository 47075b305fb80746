#pragma once
// The File menu's document commands and the tab that follows them.

#include <string>

class Dialog;

// Opens the file into the document and names the window after it, or after no
// file when it cannot be opened. True when the operating interest rows had to be
// brought up to date, so that the document is modified from the start.
bool OpenDocumentFile(const std::string& path);

void NewWorksheet(Dialog& window);
void OpenWorksheet(Dialog& window);
// One of the File menu's recent documents, as Open would open it.
void OpenRecentWorksheet(Dialog& window, int command);
void SaveWorksheet(Dialog& window);
void SaveWorksheetAs(Dialog& window);
void ExitProgram(Dialog& window);

// Appends a budget and shows it on a new tab; the modified flag stays as it was.
void InsertBudgetTab(Dialog& window);
// The first budget's tab with the focus in its ID, or a new budget when the
// document has none.
void ShowFirstBudget(Dialog& window);
