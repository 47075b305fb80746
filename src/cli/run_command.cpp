#include "cli/run_command.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <optional>

#include "app/app_main.h"
#include "document/worksheet.h"
#include "headless/headless_platform.h"
#include "script/script_app.h"
#include "script/script_runner.h"
#include "text/file_read.h"

namespace {

class HerdwrightScriptApp : public ScriptApp {
 public:
  void StartUp(std::string_view commandLine) override { App_StartUp(commandLine); }
  bool IsModified() override { return App_IsModified(); }
  bool Save(const std::string& path) override { return App_Document().Save(path); }
};

// A script is read whole; one without end (a device) must not fill the memory.
constexpr std::size_t kMaxScriptBytes = 5'000'000;

std::optional<std::string> ReadScript(const std::string& path, std::string* error) {
  const bool standardInput = path == "-";
  const int descriptor = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return std::nullopt;
  std::string text;
  const bool read = ReadToEnd(descriptor, kMaxScriptBytes, &text, error);
  if (!standardInput) ::close(descriptor);
  if (!read) return std::nullopt;
  return text;
}

}  // namespace

int RunScriptFile(const std::string& path) {
  std::string error;
  const std::optional<std::string> script = ReadScript(path, &error);
  if (!script) {
    const bool tooLarge = error == TooLargeReason(kMaxScriptBytes);
    std::fprintf(stderr, "line 0: the script %s cannot be read%s\n", path.c_str(),
                 tooLarge ? (": " + error).c_str() : "");
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
