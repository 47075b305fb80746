#include "platform/resource_ids.h"
#include "app/app_resources.h"
#include "platform/dialog.h"

namespace {

DialogTemplate BuildInterestDialog() {
  DialogTemplate dialog;
  dialog.id = kDialogInterest;
  dialog.caption = "Operating Interest Calculator";
  dialog.width = 250;
  dialog.height = 200;
  dialog.controls = {
      {kIdcInterestBudget, ControlKind::kEdit, "", 10, 10, 230, 12, kStyleReadOnly},
      {kIdStatic, ControlKind::kLabel, "Annual Interest Rate (%)", 10, 30, 120, 8, kStyleNone},
      {kIdcInterestRate, ControlKind::kEdit, "", 140, 28, 60, 12, kStyleRight},
      {kIdStatic, ControlKind::kLabel, "Number of Months Borrowed", 10, 48, 120, 8, kStyleNone},
      {kIdcInterestMonths, ControlKind::kEdit, "", 140, 46, 50, 12, kStyleRight},
      {kIdcInterestSpin, ControlKind::kUpDown, "", 190, 46, 10, 12, kStyleNone},
      {kIdcInterestText, ControlKind::kEdit, "", 10, 66, 230, 100,
       kStyleMultiline | kStyleReadOnly | kStyleVScroll},
      {kIdOk, ControlKind::kDefaultButton, "Copy Value to Worksheet", 10, 176, 110, 14,
       kStyleNone},
      {kIdCancel, ControlKind::kButton, "Cancel", 180, 176, 60, 14, kStyleNone},
  };
  return dialog;
}

}  // namespace

const DialogTemplate& InterestDialogTemplate() {
  static const DialogTemplate dialog = BuildInterestDialog();
  return dialog;
}
