#include "cli/run_command.h"

#include "headless/headless_platform.h"
#include "headless/headless_script_shell.h"
#include "script/program_script_app.h"
#include "script/script_file.h"

int RunHeadlessScript(const std::string& path) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  HeadlessScriptShell shell(platform);
  return RunScriptFile(path, shell, ProgramScriptApp());
}
