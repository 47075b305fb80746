#pragma once
// The main window (template 119): the worksheet's tabs, header, grid and menu.

#include "platform/dialog.h"

int MainDlgProc(Dialog& window, const DialogEvent& event);

// The creation steps: placement, grid set-up, the command-line document and
// the first tab.
void InitMainWindow(Dialog& window);
// A menu, popup-menu or button command; false when the window has none of that number.
bool MainCommand(Dialog& window, int command);
// A notification from the grid, a header edit or the herd unit combo box;
// false when it is not one the window acts on.
bool MainNotification(Dialog& window, const DialogEvent& event);
