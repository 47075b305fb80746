#include "cli/install_command.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "app/command_line.h"
#include "app/setup_run.h"
#include "platform/app_message.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kDesktopProgram = "herdwright";

// The kernel's own record of this program: symbolic links resolved.
std::string OwnPath() {
  std::error_code error;
  const fs::path path = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

int Fail(const std::string& why) {
  std::fprintf(stderr, "herdwright-cli install: %s\n", why.c_str());
  return 1;
}

// What EvaluateSetup refused, in its own words.
std::string Refusal(const SetupSettings& settings, const SetupParameters& parameters) {
  if (!settings.canCopy)
    return "cannot write the program folder " + SetupTargetFolder(settings, parameters);
  if (!settings.canLink) return "cannot write the applications folder " + settings.menuFolder;
  return "cannot write the MIME packages folder " + settings.dataFolder + "/mime/packages";
}

}  // namespace

std::optional<InstallOptions> ParseInstallArguments(const std::vector<std::string>& args) {
  InstallOptions options;
  if (args.empty()) return options;
  if (args.size() == 2 && args[0] == "--prefix" && !args[1].empty()) {
    options.prefix = args[1];
    return options;
  }
  return std::nullopt;
}

int RunInstall(const InstallOptions& options) {
  SetupSettings settings;
  settings.programFolder = FolderPart(OwnPath());
  SetupParameters parameters;
  parameters.productTitle = kProductTitle;
  parameters.programPath = settings.programFolder + kDesktopProgram;
  std::error_code error;
  if (!fs::is_regular_file(parameters.programPath, error))
    return Fail("the desktop program " + parameters.programPath + " is missing");
  if (!options.prefix.empty()) {
    settings.installFolder = fs::absolute(options.prefix, error).lexically_normal().string();
    settings.folderChosen = true;
  }
  if (!EvaluateSetup(settings)) return Fail(Refusal(settings, parameters));
  const SetupOutcome outcome = RunSetup(settings, parameters);
  if (!outcome.succeeded) return Fail(outcome.failure);
  std::printf("Installed %s\nMenu entry %s/%s\n", settings.installedProgram.c_str(),
              settings.menuFolder.c_str(), kDesktopEntryName);
  if (settings.canLinkDesktop)
    std::printf("Desktop link %s/%s\n", settings.desktopFolder.c_str(), kDesktopLinkName);
  std::printf("File type %s (*%s) in %s/mime/packages/%s\n", parameters.contentType.c_str(),
              parameters.extension.c_str(), settings.dataFolder.c_str(), kMimePackageName);
  return 0;
}
