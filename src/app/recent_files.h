#pragma once
// The File menu's recent documents: the last kMaxRecentFiles opened or saved,
// newest first, kept by the platform in the user's settings.

#include <string>
#include <vector>

class Dialog;

inline constexpr std::size_t kMaxRecentFiles = 8;

// The list with the path in front: once, by its absolute form with links
// resolved, and no longer than kMaxRecentFiles.
std::vector<std::string> WithRecentFile(std::vector<std::string> paths, const std::string& path);
// "&1 /path/to/file.vqn": the number is the item's key, and an '&' of the
// path shows as itself.
std::string RecentFileMenuText(std::size_t index, const std::string& path);

// The document was opened or saved there.
void App_AddRecentFile(const std::string& path);
// The File menu shows the list as the settings hold it now.
void App_ShowRecentFiles(Dialog& window);
// The path behind a recent-file command, or empty when it names none. A file
// that is gone is taken off the list, with a message.
std::string App_TakeRecentFile(Dialog& window, int command);
