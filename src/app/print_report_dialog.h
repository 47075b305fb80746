#pragma once
// The Print Report dialog: which sections the report prints, starting from
// the selection remembered since the last print.

#include "platform/dialog.h"

int PrintReportDialogProc(Dialog& dialog, const DialogEvent& event);
// The chosen section flags, which become the remembered selection; -1 when
// cancelled.
int App_ChooseReportSections(Dialog* owner);
