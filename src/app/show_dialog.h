#pragma once
// Opening the operating interest dialog and the whole-farm dialogs.

// The dialog's result, or -1 when it did not open. fromRow: a calculated row of
// the grid was double-clicked.
int App_ShowDialog(int templateId, bool fromRow);
