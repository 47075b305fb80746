#include "script/script_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <optional>

#include "script/script_runner.h"
#include "text/file_read.h"

namespace {

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

int RunScriptFile(const std::string& path, ScriptShell& shell, ScriptApp& app) {
  std::string error;
  const std::optional<std::string> script = ReadScript(path, &error);
  if (!script) {
    const bool tooLarge = error == TooLargeReason(kMaxScriptBytes);
    std::fprintf(stderr, "line 0: the script %s cannot be read%s\n", path.c_str(),
                 tooLarge ? (": " + error).c_str() : "");
    return 1;
  }
  const ScriptResult result = RunScript(*script, shell, app, std::cout);
  std::cout.flush();
  if (result.status != 0) std::fprintf(stderr, "%s\n", result.error.c_str());
  return result.status;
}
