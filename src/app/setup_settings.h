#pragma once
// What setup knows while its dialog is open, and what start-up hands it.

#include <string>

// The names setup installs under; start-up passes the program's own.
struct SetupParameters {
  std::string folderName = "Fenmarsh";
  std::string programPath;
  std::string programFileName = "herdwright";
  std::string productTitle;
  std::string extension = ".vqn";
  std::string typeName = "CVVQN";
  std::string typeDescription = "CV Herdbook";
  std::string contentType = "application/vqrn";
};

// What setup may do with the user's permissions, and where, as XDG places:
// the applications folder stands for the Start Menu, the MIME packages beside
// it for the registry's document types.
struct SetupSettings {
  bool canAssociate = false;   // the MIME packages folder can be written
  bool canCopy = false;        // the install folder can be written or made
  bool canLink = false;        // the applications folder can be written or made
  bool canLinkDesktop = false;  // there is a desktop folder and it can be written
  bool hasExtraFiles = false;  // "vqrn.ini" lies beside the program
  bool folderChosen = false;   // the user picked the install folder
  std::string programFolder;   // the running program's, ending in a separator
  std::string menuFolder;      // the applications folder
  std::string dataFolder;      // the data folder that holds it: .../share
  std::string desktopFolder;
  std::string installFolder;
  std::string installedProgram;
};

// The XDG names of what setup writes, shared by the package.
inline constexpr const char* kDesktopEntryName = "fenmarsh-herdwright.desktop";
inline constexpr const char* kMimePackageName = "fenmarsh-herdwright.xml";
inline constexpr const char* kIconName = "fenmarsh-herdwright";
inline constexpr const char* kIconFileName = "herdwright.svg";
inline constexpr const char* kDesktopLinkName = "Herdbook.desktop";
inline constexpr const char* kExtraFilesList = "vqrn.ini";
