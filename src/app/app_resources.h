#pragma once
// The program's windows and menu as data.

#include "platform/dialog_template.h"

const MenuTemplate& MainMenuTemplate();          // 102
const DialogTemplate& MainWindowTemplate();      // 119
const DialogTemplate& InterestDialogTemplate();  // 123
const DialogTemplate& AboutDialogTemplate();     // 111
const DialogTemplate& ExpenseDialogTemplate();    // 121
const DialogTemplate& VeterinaryDialogTemplate(); // 137
const DialogTemplate& AnalysisWindowTemplate();    // 117
const DialogTemplate& MachineDialogTemplate();    // 120, also for buildings and livestock
const DialogTemplate& ImportDialogTemplate();     // 118
const DialogTemplate& SetupDialogTemplate();      // 113
const DialogTemplate& PrintReportDialogTemplate(); // 125

// The "&View" entry of the main menu, which "Options >>" also offers.
const MenuItem& ViewMenu();
// Undo and redo by key in a window without a menu bar.
std::vector<KeyCommand> EditKeys();
