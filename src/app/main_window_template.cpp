#include "platform/resource_ids.h"
#include "app/app_resources.h"
#include "platform/app_message.h"

namespace {

// The header column runs down the left of the tab page, the grid fills the rest.
constexpr int kColumnX = 10;
constexpr int kColumnWidth = 140;
constexpr int kGridX = 160;

DialogTemplate BuildMainWindow() {
  DialogTemplate dialog;
  dialog.id = kDialogMain;
  dialog.caption = std::string(kProductTitle);
  dialog.width = 520;
  dialog.height = 330;
  dialog.menu = &MainMenuTemplate();
  dialog.resizable = true;
  // The menu's keys are Ctrl+Z and Ctrl+Y; this one redoes too.
  dialog.keys = {{"Ctrl+Shift+Z", kCmdRedo}};
  dialog.controls = {
      {kIdcTabStrip, ControlKind::kTabStrip, "", 4, 4, 512, 322, kStyleNone},
      {kIdcLabelId, ControlKind::kLabel, "Budget / Publication ID", kColumnX, 24, kColumnWidth, 8,
       kStyleNone},
      {kIdcEditIdOrName, ControlKind::kEdit, "", kColumnX, 34, 48, 12, kStyleNone},
      {kIdcLabelTitle, ControlKind::kLabel, "Title", kColumnX, 50, kColumnWidth, 8, kStyleNone},
      {kIdcEditTitleOrPhone, ControlKind::kEdit, "", kColumnX, 60, kColumnWidth, 12, kStyleNone},
      {kIdcLabelHerdUnit, ControlKind::kLabel, "Specify Herd Unit", kColumnX, 76, kColumnWidth, 8,
       kStyleNone},
      {kIdcComboHerdUnit, ControlKind::kComboBox, "", kColumnX, 86, 70, 80, kStyleVScroll},
      {kIdcEditAddress, ControlKind::kEdit, "", kColumnX, 86, kColumnWidth, 36,
       kStyleHidden | kStyleMultiline | kStyleVScroll | kStyleWantReturn},
      {kIdcLabelUnits, ControlKind::kLabel, "Specify Number of Animals or Herd Units", kColumnX,
       104, kColumnWidth, 8, kStyleNone},
      {kIdcEditUnits, ControlKind::kEdit, "", kColumnX, 114, 60, 12, kStyleNone},
      {kIdcOptions, ControlKind::kButton, "Options >>", 100, 113, 50, 14, kStyleNone},
      {kIdcLabelFootnote, ControlKind::kLabel, "Footnote", kColumnX, 130, kColumnWidth, 8,
       kStyleNone},
      {kIdcEditFootnote, ControlKind::kEdit, "", kColumnX, 140, kColumnWidth, 40,
       kStyleMultiline | kStyleVScroll | kStyleWantReturn},
      {kIdcRadioWholeFarm, ControlKind::kRadioButton, "Whole Farm/Ranch Summary (totals)",
       kColumnX, 128, kColumnWidth, 10, kStyleHidden | kStyleGroup},
      {kIdcRadioOperating, ControlKind::kRadioButton, "Operating Cost Summary", kColumnX, 140,
       kColumnWidth, 10, kStyleHidden},
      {kIdcMachineButton, ControlKind::kButton, "Farm Machinery...", kColumnX, 300, 70, 14,
       kStyleHidden},
      {kIdcExpensesButton, ControlKind::kButton, "General Farm Expenses...", 80, 300, 70, 14,
       kStyleHidden},
      {kIdcInstructions, ControlKind::kRichEdit, "", kColumnX, 196, kColumnWidth, 120,
       kStyleMultiline | kStyleReadOnly | kStyleVScroll},
      {kIdcGrid, ControlKind::kGrid, "", kGridX, 22, 350, 298, kStyleNone},
  };
  return dialog;
}

}  // namespace

const DialogTemplate& MainWindowTemplate() {
  static const DialogTemplate dialog = BuildMainWindow();
  return dialog;
}
