#include "script/script_file.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

#include "script/script_runner.h"

namespace {

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

int RunScriptFile(const std::string& path, ScriptShell& shell, ScriptApp& app) {
  const std::optional<std::string> script = ReadScript(path);
  if (!script) {
    std::fprintf(stderr, "line 0: the script %s cannot be read\n", path.c_str());
    return 1;
  }
  const ScriptResult result = RunScript(*script, shell, app, std::cout);
  std::cout.flush();
  if (result.status != 0) std::fprintf(stderr, "%s\n", result.error.c_str());
  return result.status;
}
