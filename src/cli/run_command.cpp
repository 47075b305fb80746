#include "cli/run_command.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

#include "app/app_main.h"
#include "document/worksheet.h"
#include "headless/headless_platform.h"
#include "script/script_app.h"
#include "script/script_runner.h"

namespace {

class HerdwrightScriptApp : public ScriptApp {
 public:
  void StartUp(std::string_view commandLine) override { App_StartUp(commandLine); }
  bool IsModified() override { return App_IsModified(); }
  bool Save(const std::string& path) override { return App_Document().Save(path); }
};

std::optional<std::string> ReadScript(const std::string& path) {
  if (path == "-") {
    std::ostringstream text;
    text << std::cin.rdbuf();
    return text.str();
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  try {
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return std::nullopt;
    return text;
  } catch (const std::ios_base::failure&) {
    return std::nullopt;  // a folder opens, but cannot be read
  }
}

}  // namespace

int RunScriptFile(const std::string& path) {
  const std::optional<std::string> script = ReadScript(path);
  if (!script) {
    std::fprintf(stderr, "line 0: the script %s cannot be read\n", path.c_str());
    return 1;
  }
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  HerdwrightScriptApp app;
  const ScriptResult result = RunScript(*script, platform, app, std::cout);
  std::cout.flush();
  if (result.status != 0) std::fprintf(stderr, "%s\n", result.error.c_str());
  return result.status;
}
