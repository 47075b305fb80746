#pragma once
// The budget import (template 118): budgets picked from another document,
// the template beside the program first, appended to the worksheet.

#include <string>
#include <string_view>

#include "platform/dialog.h"

inline constexpr std::string_view kImportTemplateName = "TEMPLATE.vqn";

int ImportDialogProc(Dialog& dialog, const DialogEvent& event);
// Runs the import dialog over the main window.
void App_ShowImport(Dialog& owner);

// The template beside the program, else in the current folder; empty when
// neither is there.
std::string FindImportTemplate(const std::string& programFolder);
