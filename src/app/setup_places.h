#pragma once
// Where setup installs and where the program keeps the user's state, from the
// environment as the XDG base directories and user directories have it.

#include <string>
#include <string_view>

struct SetupPlaces {
  std::string programsFolder;    // /opt for root, else ~/.local/opt; empty without a home
  std::string systemDataFolder;  // the first of XDG_DATA_DIRS, else /usr/local/share
  std::string userDataFolder;    // XDG_DATA_HOME, else ~/.local/share
  std::string desktopFolder;     // the XDG desktop folder; empty when there is none
};

SetupPlaces ReadSetupPlaces();

// XDG_STATE_HOME, else ~/.local/state; empty without a home.
std::string UserStateFolder();

// The programs folder for a user (root or not) with that home.
std::string ProgramsFolderFor(bool root, std::string_view home);
// XDG_DESKTOP_DIR from the text of user-dirs.dirs ("$HOME/..." or an absolute
// path), else ~/Desktop; empty when it is the home itself, which turns the
// desktop off, or when there is no home.
std::string DesktopFolderFrom(std::string_view userDirs, std::string_view home);
