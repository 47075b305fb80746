#pragma once
// Runs an automation script: one command per line, acting on the active window
// of the program in one of its shells. A command that opens a modal dialog
// returns only when the dialog has ended: the lines after it act on the dialog
// meanwhile.

#include <iosfwd>
#include <string>
#include <string_view>

class ScriptApp;
class ScriptShell;

struct ScriptResult {
  int status = 0;     // 0 when every line ran, 1 otherwise
  std::string error;  // "line N: reason"
};

// Dumps go to out. The program's windows are closed when the script ends.
ScriptResult RunScript(std::string_view script, ScriptShell& shell, ScriptApp& app,
                       std::ostream& out);
