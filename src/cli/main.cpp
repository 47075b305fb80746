// herdwright-cli: the worksheet's views and files without a screen.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/analyze_command.h"
#include "cli/cli_usage.h"
#include "cli/export_command.h"
#include "cli/install_command.h"
#include "cli/print_command.h"
#include "cli/run_command.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    PrintUsage(stdout);
    return 0;
  }
  if (!args.empty() && args[0] == "export") {
    const auto options = ParseExportArguments({args.begin() + 1, args.end()});
    if (options) return RunExport(*options);
  }
  if (!args.empty() && args[0] == "analyze") {
    const auto options = ParseAnalyzeArguments({args.begin() + 1, args.end()});
    if (options) return RunAnalyze(*options);
  }
  if (!args.empty() && args[0] == "print") {
    const auto options = ParsePrintArguments({args.begin() + 1, args.end()});
    if (options) return RunPrint(*options);
  }
  if (args.size() == 2 && args[0] == "run") return RunHeadlessScript(args[1]);
  if (!args.empty() && args[0] == "install") {
    const auto options = ParseInstallArguments({args.begin() + 1, args.end()});
    if (options) return RunInstall(*options);
  }
  PrintUsage(stderr);
  return 2;
}
