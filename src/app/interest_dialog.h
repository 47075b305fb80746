#pragma once
// The operating interest dialog (template 123): the rate and the months that
// give a budget its operating interest row.

#include "platform/dialog.h"

// The creation parameter is the CCropBudget the dialog edits.
int InterestDialogProc(Dialog& dialog, const DialogEvent& event);
