#pragma once
// What the command line and the program's own location ask of start-up.

#include <string>
#include <string_view>

struct StartupChoice {
  std::string document;  // empty: start with a new worksheet
  bool offerSetup = false;
};

// Builds and tests run the program from temporary folders on Linux: there only
// the setup switch offers setup.
#ifdef _WIN32
inline constexpr bool kTemporaryFolderOffersSetup = true;
#else
inline constexpr bool kTemporaryFolderOffersSetup = false;
#endif

// The command line is a document path or one setup switch. With the
// temporary-folder trigger on, a program started from a temporary folder
// offers setup too, and still opens its document.
StartupChoice ReadCommandLine(std::string_view commandLine, std::string_view programPath,
                              bool temporaryFolderOffersSetup);

// The path up to and including its last separator; empty when it has none.
std::string FolderPart(std::string_view path);
// The text after the last separator, or the whole path when it has none.
std::string FileNamePart(std::string_view path);
