#pragma once
// What the command line and the program's own location ask of start-up.

#include <string>
#include <string_view>

struct StartupChoice {
  std::string document;  // empty: start with a new worksheet
  bool offerSetup = false;
};

// The command line is a document path or one setup switch. A program started
// from a temporary folder offers setup too, and still opens its document.
StartupChoice ReadCommandLine(std::string_view commandLine, std::string_view programPath);

// The path up to and including its last separator; empty when it has none.
std::string FolderPart(std::string_view path);
// The text after the last separator, or the whole path when it has none.
std::string FileNamePart(std::string_view path);
