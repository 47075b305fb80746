#include "app/recent_files.h"

#include <algorithm>
#include <filesystem>

#include "app/app_state.h"
#include "platform/app_message.h"
#include "platform/dialog.h"
#include "platform/platform.h"
#include "platform/resource_ids.h"

namespace {

// A folder that does not exist stops the links from being followed, so its
// ".." goes first.
std::string CanonicalPath(const std::string& path) {
  std::error_code failed;
  const std::filesystem::path absolute = std::filesystem::absolute(path, failed).lexically_normal();
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, failed);
  return failed ? path : canonical.string();
}

// What the menu shows: another instance may have changed the settings since,
// and a command must open the file its item names.
std::vector<std::string>& ShownList() {
  static std::vector<std::string> shown;
  return shown;
}

std::vector<std::string> StoredList() {
  std::vector<std::string> paths = App_Platform().LoadRecentFiles();
  if (paths.size() > kMaxRecentFiles) paths.resize(kMaxRecentFiles);
  return paths;
}

}  // namespace

std::vector<std::string> WithRecentFile(std::vector<std::string> paths, const std::string& path) {
  const std::string canonical = CanonicalPath(path);
  std::erase_if(paths, [&](const std::string& known) { return CanonicalPath(known) == canonical; });
  paths.insert(paths.begin(), canonical);
  if (paths.size() > kMaxRecentFiles) paths.resize(kMaxRecentFiles);
  return paths;
}

std::string RecentFileMenuText(std::size_t index, const std::string& path) {
  std::string text = "&" + std::to_string(index + 1) + " ";
  for (const char c : path) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

void App_AddRecentFile(const std::string& path) {
  App_Platform().StoreRecentFiles(WithRecentFile(StoredList(), path));
  if (Dialog* window = App_State().mainWindow) App_ShowRecentFiles(*window);
}

void App_ShowRecentFiles(Dialog& window) {
  std::vector<std::string>& paths = ShownList();
  paths = StoredList();
  for (std::size_t index = 0; index < kMaxRecentFiles; ++index) {
    const int command = kCmdRecentFile1 + static_cast<int>(index);
    const bool shown = index < paths.size();
    window.SetMenuItem(command, shown ? RecentFileMenuText(index, paths[index]) : std::string(),
                       shown);
    window.ShowMenuItem(command, shown);
  }
}

std::string App_TakeRecentFile(Dialog& window, int command) {
  const std::vector<std::string>& shown = ShownList();
  const auto index = static_cast<std::size_t>(command - kCmdRecentFile1);
  if (command < kCmdRecentFile1 || index >= shown.size()) return {};
  const std::string path = shown[index];
  std::error_code failed;
  if (std::filesystem::is_regular_file(path, failed)) return path;
  std::vector<std::string> paths = StoredList();
  std::erase(paths, path);
  App_Platform().StoreRecentFiles(paths);
  App_ShowRecentFiles(window);
  App_MessageBox("The file " + path +
                 " no longer exists. It has been removed from the list of recent files.");
  return {};
}
