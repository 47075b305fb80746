#include "app/app_resources.h"
#include "platform/dialog.h"
#include "platform/resource_ids.h"

namespace {

DialogTemplate BuildPrintReportDialog() {
  DialogTemplate dialog;
  dialog.id = kDialogPrintReport;
  dialog.caption = "Print VQN Report";
  dialog.width = 200;
  dialog.height = 168;
  // A doubled ampersand shows one "&". A check box is as wide as its text: a
  // click beside the text would miss it.
  dialog.controls = {
      {kIdStatic, ControlKind::kLabel, "Choose the elements to include in the printed report:", 10,
       8, 180, 10, kStyleNone},
      {kIdcPrintSummary, ControlKind::kCheckBox, "Whole Farm/Ranch Summary", 20, 24, 112, 10,
       kStyleNone},
      {kIdcPrintOperatingSummary, ControlKind::kCheckBox, "Farm/Ranch Operating Cost Summary", 20,
       36, 148, 10, kStyleNone},
      {kIdcPrintExpenses, ControlKind::kCheckBox, "General Farm/Ranch Expenses", 20, 48, 124, 10,
       kStyleNone},
      {kIdcPrintMachinery, ControlKind::kCheckBox, "Farm/Ranch Machinery && Equipment", 20, 60, 144,
       10, kStyleNone},
      {kIdcPrintBuildings, ControlKind::kCheckBox, "Farm/Ranch Buildings && Facilities", 20, 72,
       148, 10, kStyleNone},
      {kIdcPrintVeterinary, ControlKind::kCheckBox, "Veterinary Costs", 20, 84, 80, 10, kStyleNone},
      {kIdcPrintPurchasedLivestock, ControlKind::kCheckBox, "Purchased Livestock Investment", 20,
       96, 136, 10, kStyleNone},
      {kIdcPrintRetainedLivestock, ControlKind::kCheckBox, "Retained Livestock Investment", 20, 108,
       132, 10, kStyleNone},
      {kIdcPrintBudgets, ControlKind::kCheckBox, "Budget Worksheets", 20, 120, 84, 10, kStyleNone},
      {kIdOk, ControlKind::kDefaultButton, "Print", 40, 144, 55, 14, kStyleNone},
      {kIdCancel, ControlKind::kButton, "Cancel", 105, 144, 55, 14, kStyleNone},
  };
  return dialog;
}

}  // namespace

const DialogTemplate& PrintReportDialogTemplate() {
  static const DialogTemplate dialog = BuildPrintReportDialog();
  return dialog;
}
