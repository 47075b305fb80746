#pragma once
// The general farm expense window (template 121) and the veterinary cost
// calculator (template 137); both modal over the main window.

#include "platform/dialog.h"

int ExpenseDialogProc(Dialog& dialog, const DialogEvent& event);
int VeterinaryDialogProc(Dialog& dialog, const DialogEvent& event);
