#include "app/print_report_dialog.h"

#include <array>
#include <utility>

#include "app/app_main.h"
#include "app/app_resources.h"
#include "app/app_state.h"
#include "app/window_geometry.h"
#include "platform/app_message.h"
#include "platform/platform.h"
#include "platform/resource_ids.h"
#include "reports/print_report.h"

namespace {

constexpr std::array<std::pair<int, int>, 9> kBoxes = {{
    {kIdcPrintSummary, kPrintWholeFarmSummary},
    {kIdcPrintOperatingSummary, kPrintOperatingSummary},
    {kIdcPrintExpenses, kPrintExpenses},
    {kIdcPrintMachinery, kPrintMachinery},
    {kIdcPrintBuildings, kPrintBuildings},
    {kIdcPrintVeterinary, kPrintVeterinary},
    {kIdcPrintPurchasedLivestock, kPrintPurchasedLivestock},
    {kIdcPrintRetainedLivestock, kPrintRetainedLivestock},
    {kIdcPrintBudgets, kPrintBudgets},
}};

void Confirm(Dialog& dialog) {
  int flags = 0;
  for (const auto& [box, flag] : kBoxes)
    if (dialog.IsItemChecked(box)) flags |= flag;
  if (flags == 0) {
    App_MessageBox("Please check one or more items to Print, or choose 'Cancel'.");
    return;
  }
  App_State().printFlags = flags;
  dialog.EndDialog(flags);
}

}  // namespace

int PrintReportDialogProc(Dialog& dialog, const DialogEvent& event) {
  switch (event.kind) {
    case DialogEventKind::kInit:
      CenterWindow(dialog, App_GetMainWindow());
      for (const auto& [box, flag] : kBoxes) dialog.CheckItem(box, App_State().printFlags & flag);
      return 1;
    case DialogEventKind::kCommand:
      if (event.id == kIdOk) {
        Confirm(dialog);
        return 1;
      }
      if (event.id == kIdCancel) {
        dialog.EndDialog(-1);
        return 1;
      }
      return 0;
    case DialogEventKind::kClose:
      dialog.EndDialog(-1);
      return 1;
    default:
      return 0;
  }
}

int App_ChooseReportSections(Dialog* owner) {
  return App_Platform().RunModal(PrintReportDialogTemplate(), PrintReportDialogProc, owner, 0);
}
