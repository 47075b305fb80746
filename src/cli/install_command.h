#pragma once
// herdwright-cli install: the desktop program beside this one set up as its
// setup dialog would, without the dialog.

#include <optional>
#include <string>
#include <vector>

struct InstallOptions {
  std::string prefix;  // empty: the default install folder, with Fenmarsh below it
};

// nullopt for arguments that are not [--prefix DIR].
std::optional<InstallOptions> ParseInstallArguments(const std::vector<std::string>& args);
// 0 when installed, 1 with the reason on standard error otherwise.
int RunInstall(const InstallOptions& options);
