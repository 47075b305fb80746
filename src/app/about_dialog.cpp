#include "app/about_dialog.h"

#include <string>

#include "platform/resource_ids.h"
#include "app/app_resources.h"
#include "app/shell_open.h"
#include "document/worksheet.h"
#include "platform/platform.h"

namespace {

constexpr std::string_view kContributors =
    "Budget design, worksheets and testing by the CV Ag Extension livestock economics team.";

void FillAbout(Dialog& dialog) {
  dialog.SetCaption("About Herdwright");
  dialog.SetItemText(kIdcAboutVersion, "Version " + std::string(kProgramVersion));
  dialog.SetItemText(kIdcAboutNotice, AboutNoticeText());
  dialog.SetItemText(kIdcAboutContributors, kContributors);
  dialog.SetItemText(kIdcAboutDepartment,
                     std::string(kDepartmentName) + "\r\n" + std::string(kDepartmentSite));
}

}  // namespace

std::string AboutNoticeText() {
  return std::string(kProgramFullTitle) + "\r\nCopyright (c) " + std::string(kRightsHolder) +
         "\r\n" + std::string(kDepartmentName);
}

int AboutDlgProc(Dialog& dialog, const DialogEvent& event) {
  switch (event.kind) {
    case DialogEventKind::kInit:
      FillAbout(dialog);
      return 1;
    case DialogEventKind::kClose:
      dialog.EndDialog(0);
      return 1;
    case DialogEventKind::kCommand:
      if (event.id == kIdOk || event.id == kIdCancel) {
        dialog.EndDialog(0);
        return 1;
      }
      if (event.id == kIdcAboutGoToSite) {
        OpenWebPage(kDepartmentSite);
        return 1;
      }
      return 0;
    default:
      return 0;
  }
}

void App_ShowAbout(Dialog* owner) {
  App_Platform().RunModal(AboutDialogTemplate(), AboutDlgProc, owner, 0);
}
