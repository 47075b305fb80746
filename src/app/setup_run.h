#pragma once
// What setup can do here, and doing it: the program copied to its folder, a
// menu entry and a desktop link, and the document type with its program.

#include <string>

#include "app/setup_settings.h"

// Fills the permissions and places from the environment; true when the
// program can be copied, linked in the menu and associated with its files.
bool EvaluateSetup(SetupSettings& settings);

// The folder the program goes to: the install folder, with the folder name
// below it unless the user chose it.
std::string SetupTargetFolder(const SetupSettings& settings, const SetupParameters& parameters);

struct SetupOutcome {
  bool succeeded = false;
  std::string failure;  // the step that failed, and why
};

// Each step only while the ones before it succeeded; nothing done is undone.
// Sets the installed program's path.
SetupOutcome RunSetup(SetupSettings& settings, const SetupParameters& parameters);
