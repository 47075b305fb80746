#pragma once
// A home of its own for a setup test: HOME and the XDG variables point into a
// scratch folder while the object lives, and everyone's data folder lies
// under a file, where no folder can be made even by root.

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "document/temp_folder.h"

class SetupEnvironment {
 public:
  SetupEnvironment() {
    std::filesystem::create_directories(root.File("home/Desktop"));
    WriteBytes(root.File("not-a-folder"), "");
    Set("HOME", Home());
    Set("XDG_DATA_HOME", Home() + "/.local/share");
    Set("XDG_CONFIG_HOME", Home() + "/.config");
    Set("XDG_DATA_DIRS", root.File("not-a-folder/share"));
  }
  ~SetupEnvironment() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        ::setenv(name.c_str(), value->c_str(), 1);
      } else {
        ::unsetenv(name.c_str());
      }
    }
  }
  SetupEnvironment(const SetupEnvironment&) = delete;
  SetupEnvironment& operator=(const SetupEnvironment&) = delete;

  void Set(const std::string& name, const std::string& value) {
    if (!saved_.count(name)) {
      const char* old = std::getenv(name.c_str());
      saved_[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
    }
    ::setenv(name.c_str(), value.c_str(), 1);
  }
  std::string Home() const { return root.File("home"); }
  std::string Data() const { return Home() + "/.local/share"; }

  TempFolder root;

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};
