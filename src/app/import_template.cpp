#include "app/app_resources.h"
#include "platform/dialog.h"
#include "platform/resource_ids.h"

namespace {

DialogTemplate BuildImportDialog() {
  DialogTemplate dialog;
  dialog.id = kDialogImport;
  dialog.caption = "Import Budget Data From File";
  dialog.width = 260;
  dialog.height = 184;
  dialog.controls = {
      {kIdcImportStatus, ControlKind::kLabel, "", 10, 8, 240, 10, kStyleNone},
      {kIdcImportList, ControlKind::kListBox, "", 10, 22, 240, 128,
       kStyleExtendedSel | kStyleVScroll},
      {kIdOk, ControlKind::kDefaultButton, "OK (Import Selected Budgets)", 10, 160, 130, 14,
       kStyleNone},
      {kIdcImportOtherFiles, ControlKind::kButton, "Other Files...", 180, 160, 70, 14,
       kStyleNone},
  };
  return dialog;
}

}  // namespace

const DialogTemplate& ImportDialogTemplate() {
  static const DialogTemplate dialog = BuildImportDialog();
  return dialog;
}
