#include "app/shell_open.h"

#include <filesystem>

#include "app/app_state.h"
#include "platform/app_message.h"
#include "platform/platform.h"

namespace {

constexpr int kShellSuccessAbove = 32;
constexpr int kShellNoAssociation = 31;

}  // namespace

std::string UsersGuidePath() { return App_State().programFolder + std::string(kUsersGuideFile); }

bool UsersGuideExists() {
  // Without a known program folder the guide would be looked for wherever we run.
  if (App_State().programFolder.empty()) return false;
  std::error_code status;
  return std::filesystem::is_regular_file(UsersGuidePath(), status);
}

bool OpenUsersGuide() {
  Platform& platform = App_Platform();
  const int result = platform.ShellOpen(UsersGuidePath());
  if (result > kShellSuccessAbove) return true;
  if (result == kShellNoAssociation) {
    const int answer = platform.Ask(
        "Adobe Acrobat Reader, or another PDF viewer, is required to view the User's Guide.\r\n\r\n"
        "Would you like to visit the Adobe web site to download Acrobat Reader?",
        "Acrobat Reader not found", MessageButtons::kYesNo);
    if (answer == kIdYes) platform.ShellOpen(kPdfReaderDownloadPage);
    return false;
  }
  App_MessageBoxF("ShellExecute failed: %d", result);
  return false;
}

void OpenWebPage(std::string_view address) {
  if (address.find("://") != std::string_view::npos) {
    App_Platform().ShellOpen(address);
  } else {
    App_Platform().ShellOpen("http://" + std::string(address));
  }
}
