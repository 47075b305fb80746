#pragma once
// The commands of an automation script.

#include <iosfwd>
#include <string>
#include <vector>

class ScriptApp;
class ScriptShell;

struct ScriptContext {
  ScriptShell& shell;
  ScriptApp& app;
  std::ostream& out;
};

// Runs one command (its name, then its arguments); why it failed, or an empty
// text when it ran.
std::string RunScriptCommand(ScriptContext& context, const std::vector<std::string>& words);
