#include "app/help_message.h"

#include "platform/resource_ids.h"
#include "app/app_main.h"
#include "text/utf8_text.h"
#include "document/worksheet.h"
#include "platform/dialog.h"

namespace {

constexpr std::uint32_t kWarningRed = 0x0000FF;  // RGB(255, 0, 0) as 0x00BBGGRR

std::string_view BudgetWarning(CBudgetWorksheet& document, int tab) {
  const CCropBudget* budget = document.GetBudget(tab - 1);
  if (!budget) return "NULL pBudget Pointer in QRN_SetHelpMessage";
  if (budget->numUnits < 1 && budget->CountLines(kAllSections) >= 1) {
    return "Enter Number of Animals or Herd Units above";
  }
  return {};
}

}  // namespace

HelpText BuildHelpText(CBudgetWorksheet& document, int tab) {
  HelpText help;
  if (tab == 0) {
    help.text =
        "INSTRUCTIONS\n"
        "Click on budget tabs  above to view/modify detailed livestock budgets.\n\n"
        "Right-click to print or to see more options.";
    return help;
  }
  const std::string_view warning = BudgetWarning(document, tab);
  if (!warning.empty()) {
    help.text.assign(warning).append("\n\n");
    help.warningChars = CountChars(warning);
  }
  help.text +=
      "INSTRUCTIONS\n"
      "To enter/modify data, place cursor in the white cells.\n\n"
      "Enter/modify the detailed, livestock-specific data in the enterprise budget grid.\n\n"
      "Use the selections under Options to enter and distribute whole-farm/ranch cost data.\n\n"
      "Right-click on the tab or white spaces in the grid for more options.";
  return help;
}

void QRN_SetHelpMessage(Dialog& window) {
  const int tab = window.GetTabSelection(kIdcTabStrip);
  const HelpText help = BuildHelpText(App_Document(), tab);
  window.SetItemText(kIdcInstructions, help.text);
  window.FormatItemText(kIdcInstructions, 0, static_cast<int>(CountChars(help.text)), TextStyle{});
  if (help.warningChars > 0) {
    const TextStyle warning{true, true, kWarningRed, false};
    window.FormatItemText(kIdcInstructions, 0, static_cast<int>(help.warningChars), warning);
  }
}
