#include "app/app_resources.h"
#include "platform/dialog.h"
#include "platform/resource_ids.h"

namespace {

DialogTemplate BuildSetupDialog() {
  DialogTemplate dialog;
  dialog.id = kDialogSetup;
  dialog.caption = "Corvale Herdwright Setup";
  dialog.width = 320;
  dialog.height = 206;
  dialog.controls = {
      {kIdcSetupNotice, ControlKind::kLabel, "", 10, 8, 300, 32, kStyleNone},
      {kIdcSetupCanDo, ControlKind::kLabel, "", 10, 44, 300, 32, kStyleNone},
      {kIdcSetupTarget, ControlKind::kLabel, "", 20, 80, 220, 20, kStyleNone},
      {kIdcSetupChange, ControlKind::kButton, "Change...", 250, 78, 60, 14, kStyleNone},
      {kIdcSetupMore, ControlKind::kLabel, "", 10, 104, 300, 64, kStyleNone},
      {kIdcSetupAbout, ControlKind::kButton, "About this program...", 10, 182, 84, 14, kStyleNone},
      {kIdOk, ControlKind::kDefaultButton, "Yes - Run Setup Now", 100, 182, 84, 14, kStyleNone},
      {kIdCancel, ControlKind::kButton, "Run the program without installing", 190, 182, 120, 14,
       kStyleNone},
  };
  return dialog;
}

}  // namespace

const DialogTemplate& SetupDialogTemplate() {
  static const DialogTemplate dialog = BuildSetupDialog();
  return dialog;
}
