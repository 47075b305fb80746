#pragma once
// The files that tell a Linux desktop about the program: its desktop entry
// (menu entry and desktop link alike) and the shared-mime-info package of its
// document type.

#include <optional>
#include <string>
#include <string_view>

#include "app/setup_settings.h"

// The program as the Exec key runs it, quoted and escaped; nullopt when the
// path holds a control character, which no desktop entry can carry.
std::optional<std::string> DesktopExecPath(std::string_view path);
// The entry for a program at `programPath` (as DesktopExecPath takes it),
// opening the document type's files; nullopt as there.
std::optional<std::string> DesktopEntryText(const SetupParameters& parameters,
                                            std::string_view programPath);
// The document type: its content type, description, file pattern and icon.
std::string MimePackageText(const SetupParameters& parameters);
