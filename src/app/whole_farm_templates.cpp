#include "platform/resource_ids.h"
#include "app/app_resources.h"
#include "platform/dialog.h"

namespace {

// Both windows share one layout: the grid over the instructions, the button
// beside them and a hidden "Close" that Escape presses.
DialogTemplate BuildListWindow(int id, std::string_view caption) {
  DialogTemplate dialog;
  dialog.id = id;
  dialog.caption = std::string(caption);
  dialog.width = 420;
  dialog.height = 262;
  dialog.resizable = true;
  dialog.controls = {
      {kIdcListGrid, ControlKind::kGrid, "", 7, 7, 406, 196, kStyleNone},
      {kIdcListInstructions, ControlKind::kEdit, "", 7, 214, 300, 40,
       kStyleMultiline | kStyleReadOnly | kStyleVScroll},
      {kIdcCopyValues, ControlKind::kButton, "Copy Values to Worksheets", 315, 214, 98,
       14, kStyleNone},
      {kIdCancel, ControlKind::kButton, "Close", 315, 232, 50, 14, kStyleHidden},
  };
  return dialog;
}

}  // namespace

const DialogTemplate& ExpenseDialogTemplate() {
  static const DialogTemplate dialog =
      BuildListWindow(kDialogExpenses, "General Farm Expenses");
  return dialog;
}

const DialogTemplate& VeterinaryDialogTemplate() {
  static const DialogTemplate dialog =
      BuildListWindow(kDialogVeterinary, "Veterinary Cost Calculator");
  return dialog;
}
