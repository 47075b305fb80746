#pragma once
// "run SCRIPT" in either program: reads the script ("-" for standard input),
// runs it and prints its dumps on standard output.

#include <string>

class ScriptApp;
class ScriptShell;

// Exit status: 0 when every line ran, 1 with "line N: reason" on standard
// error otherwise.
int RunScriptFile(const std::string& path, ScriptShell& shell, ScriptApp& app);
