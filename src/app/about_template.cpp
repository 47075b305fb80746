#include "platform/resource_ids.h"
#include "app/app_resources.h"
#include "platform/dialog.h"

namespace {

DialogTemplate BuildAboutDialog() {
  DialogTemplate dialog;
  dialog.id = kDialogAbout;
  dialog.caption = "About";
  dialog.width = 240;
  dialog.height = 160;
  dialog.controls = {
      {kIdcAboutNotice, ControlKind::kLabel, "", 10, 10, 220, 40, kStyleNone},
      {kIdcAboutVersion, ControlKind::kLabel, "", 10, 54, 220, 8, kStyleNone},
      {kIdcAboutContributors, ControlKind::kLabel, "", 10, 68, 220, 24, kStyleNone},
      {kIdcAboutDepartment, ControlKind::kLabel, "", 10, 96, 220, 24, kStyleNone},
      {kIdcAboutGoToSite, ControlKind::kButton, "Go to site", 10, 136, 60, 14, kStyleNone},
      {kIdOk, ControlKind::kDefaultButton, "OK", 110, 136, 55, 14, kStyleNone},
      {kIdCancel, ControlKind::kButton, "Cancel", 175, 136, 55, 14, kStyleNone},
  };
  return dialog;
}

}  // namespace

const DialogTemplate& AboutDialogTemplate() {
  static const DialogTemplate dialog = BuildAboutDialog();
  return dialog;
}
