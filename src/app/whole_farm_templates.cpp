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
  dialog.keys = EditKeys();
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

// The machinery window's template also serves buildings and both livestock
// lists: a tab strip over the grid, the instructions and the button below it,
// and five overhead boxes that show over the top of the instructions.
const DialogTemplate& MachineDialogTemplate() {
  static const DialogTemplate dialog = [] {
    DialogTemplate t;
    t.id = kDialogMachine;
    t.caption = "Machinery Dialog";
    // Wide enough for every column of the input tab and the five boxes.
    t.width = 520;
    t.height = 282;
    t.resizable = true;
    t.keys = EditKeys();
    t.controls = {
        {kIdcCapitalTabs, ControlKind::kTabStrip, "", 4, 4, 512, 274, kStyleNone},
        {kIdcCapitalGrid, ControlKind::kGrid, "", 10, 22, 500, 180, kStyleNone},
        {kIdcListInstructions, ControlKind::kEdit, "Instructions/Error goes here", 10, 208, 344,
         60, kStyleMultiline | kStyleReadOnly | kStyleVScroll},
        {kIdcCopyValues, ControlKind::kButton, "Copy Values to All Livestock Worksheets", 360, 208,
         150, 14, kStyleNone},
        {kIdCancel, ControlKind::kButton, "Close", 360, 226, 50, 14, kStyleHidden},
    };
    constexpr int kPairs[][2] = {{kIdcOverheadLabel1, kIdcOverheadEdit1},
                                 {kIdcOverheadLabel2, kIdcOverheadEdit2},
                                 {kIdcOverheadLabel3, kIdcOverheadEdit3},
                                 {kIdcOverheadLabel4, kIdcOverheadEdit4},
                                 {kIdcOverheadLabel5, kIdcOverheadEdit5}};
    int x = 10;
    for (const auto& [label, edit] : kPairs) {
      t.controls.push_back(
          {label, ControlKind::kLabel, "", x, 212, 44, 8, kStyleHidden | kStyleRight});
      t.controls.push_back({edit, ControlKind::kEdit, "", x + 45, 210, 23, 12, kStyleHidden});
      x += 69;
    }
    return t;
  }();
  return dialog;
}
