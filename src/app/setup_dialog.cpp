#include "app/setup_dialog.h"

#include <map>

#include "app/about_dialog.h"
#include "app/app_resources.h"
#include "app/setup_run.h"
#include "app/window_geometry.h"
#include "platform/app_message.h"
#include "platform/platform.h"
#include "platform/resource_ids.h"

namespace {

constexpr int kShellSucceeded = 32;  // a shell result above this is success

std::map<const Dialog*, SetupSettings*>& Settings() {
  static std::map<const Dialog*, SetupSettings*> settings;
  return settings;
}

void Refresh(Dialog& dialog, SetupSettings& settings) {
  const bool canSetUp = EvaluateSetup(settings);
  const SetupTexts texts = MakeSetupTexts(settings, SetupParameters(), canSetUp);
  dialog.SetItemText(kIdcSetupCanDo, texts.canDo);
  dialog.SetItemText(kIdcSetupTarget, texts.target);
  dialog.SetItemText(kIdcSetupMore, texts.more);
  dialog.EnableItem(kIdOk, canSetUp);
  if (!canSetUp) dialog.SetItemText(kIdCancel, "Run the program without installing");
}

void ChangeFolder(Dialog& dialog, SetupSettings& settings) {
  std::string folder = settings.installFolder;
  if (!App_Platform().ChooseFolder(&dialog, "Choose Folder to Install Program", &folder)) return;
  settings.installFolder = folder;
  settings.folderChosen = true;
  Refresh(dialog, settings);
}

}  // namespace

SetupTexts MakeSetupTexts(const SetupSettings& settings, const SetupParameters& parameters,
                          bool canSetUp) {
  SetupTexts texts;
  texts.target = SetupTargetFolder(settings, parameters);
  if (canSetUp) {
    texts.canDo = "Setup can do the following:\r\n\r\n";
    if (settings.canCopy) {
      texts.canDo += settings.hasExtraFiles
                         ? "Copy the program and extra files to the following directory:\r\n"
                         : "Copy the program to the following directory:\r\n";
    }
    if (settings.canLink) {
      texts.more = "Create a link to the program in your 'Start Menu' under '" +
                   parameters.folderName + "'";
      if (settings.canLinkDesktop) texts.more += " and add a link on your Desktop.";
      texts.more += "\r\n\r\n";
    }
    if (settings.canAssociate)
      texts.more += "Associate .vqn files with the program, to allow double-click opening.\r\n\r\n";
    return texts;
  }
  texts.canDo = "Setup can not proceed because you do not have the correct permissons.\r\n";
  if (!settings.canCopy) {
    texts.canDo += "Cannot copy files to the directory. You do not have the correct permissions";
    texts.canDo += settings.folderChosen ? " or the directory does not exist.\r\n" : ".\r\n";
  }
  if (!settings.canLink)
    texts.more += "Cannot create links in your 'Start Menu'. You do not have the correct permissions.\r\n";
  if (!settings.canAssociate) {
    texts.more +=
        "Cannot associate .vqn files with the program. You do not have the correct permissions "
        "to access 'HKEY_CLASSES_ROOT' in the Windows Registry.\r\n";
  }
  texts.more += "\r\nContact you network administrator or technical support for assistance.\r\n\r\n";
  texts.more += "You can still run the program without installing.";
  return texts;
}

int SetupDialogProc(Dialog& dialog, const DialogEvent& event) {
  switch (event.kind) {
    case DialogEventKind::kInit: {
      auto* settings = reinterpret_cast<SetupSettings*>(event.param);
      CenterWindow(dialog, nullptr);
      dialog.SetItemText(kIdcSetupNotice, AboutNoticeText());
      if (settings == nullptr) {
        dialog.EndDialog(0);
        return 1;
      }
      Settings()[&dialog] = settings;
      Refresh(dialog, *settings);
      return 1;
    }
    case DialogEventKind::kCommand: {
      const auto found = Settings().find(&dialog);
      if (found == Settings().end()) return 0;
      switch (event.id) {
        case kIdcSetupChange: ChangeFolder(dialog, *found->second); return 1;
        case kIdcSetupAbout: App_ShowAbout(&dialog); return 1;
        case kIdOk: dialog.EndDialog(1); return 1;
        case kIdCancel: dialog.EndDialog(0); return 1;
        default: return 0;
      }
    }
    case DialogEventKind::kClose:
      dialog.EndDialog(0);
      return 1;
    case DialogEventKind::kDestroy:
      Settings().erase(&dialog);
      return 1;
    default:
      return 0;
  }
}

bool App_OfferSetup(const SetupParameters& parameters, const std::string& programFolder) {
  SetupSettings settings;
  settings.programFolder = programFolder;
  const int answer = App_Platform().RunModal(SetupDialogTemplate(), SetupDialogProc, nullptr,
                                             reinterpret_cast<std::intptr_t>(&settings));
  if (answer != kIdOk) return false;
  if (RunSetup(settings, parameters).succeeded &&
      App_Platform().StartProgram(settings.installedProgram) > kShellSucceeded) {
    return true;
  }
  App_MessageBox("There was a problem with Setup or running the installed program.");
  return false;
}
