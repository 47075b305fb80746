#pragma once
// The About dialog (template 111).

#include <string>
#include <string_view>

#include "platform/dialog.h"

inline constexpr std::string_view kProgramFullTitle =
    "Corvale Herdwright - Livestock Enterprise Budgets";
inline constexpr std::string_view kRightsHolder = "CV Ag Extension";
inline constexpr std::string_view kDepartmentName =
    "CV Ag Extension, Farm and Ranch Management";
inline constexpr std::string_view kDepartmentSite = "https://extension.corvale.example/herdwright";

// The program's title, rights holder and department, as About and setup show them.
std::string AboutNoticeText();

int AboutDlgProc(Dialog& dialog, const DialogEvent& event);
// Runs the About dialog over the main window.
void App_ShowAbout(Dialog* owner);
