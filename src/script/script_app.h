#pragma once
// What the automation needs from the program beyond its windows. Both
// programs connect it to the real one (ProgramScriptApp); tests to a small
// stand-in.

#include <string>
#include <string_view>

class ScriptApp {
 public:
  virtual ~ScriptApp() = default;
  // Start-up with a command line, on the installed platform.
  virtual void StartUp(std::string_view commandLine) = 0;
  virtual bool IsModified() = 0;
  // Saves the document without asking anything; false when it was not written.
  virtual bool Save(const std::string& path) = 0;
};
