#include "app/setup_places.h"

#include <unistd.h>

#include <cstdlib>

#include "text/file_read.h"

namespace {

constexpr std::size_t kMaxUserDirsBytes = 65536;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

// An XDG variable holds an absolute path; anything else counts as unset.
std::string AbsoluteOr(std::string value, std::string fallback) {
  return !value.empty() && value.front() == '/' ? value : fallback;
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

std::string ProgramsFolderFor(bool root, std::string_view home) {
  if (root) return "/opt";
  if (home.empty()) return {};
  return WithoutTrailingSlash(std::string(home)) + "/.local/opt";
}

std::string DesktopFolderFrom(std::string_view userDirs, std::string_view home) {
  if (home.empty()) return {};
  const std::string homeFolder = WithoutTrailingSlash(std::string(home));
  std::string folder = homeFolder + "/Desktop";
  constexpr std::string_view kKey = "XDG_DESKTOP_DIR=\"";
  std::size_t at = 0;
  while (at < userDirs.size()) {
    const std::size_t end = std::min(userDirs.find('\n', at), userDirs.size());
    std::string_view line = userDirs.substr(at, end - at);
    at = end + 1;
    if (line.substr(0, kKey.size()) != kKey) continue;
    line.remove_prefix(kKey.size());
    const std::size_t close = line.find('"');
    if (close == std::string_view::npos) continue;
    std::string_view value = line.substr(0, close);
    if (value.substr(0, 5) == "$HOME") {
      folder = homeFolder + std::string(value.substr(5));
    } else if (!value.empty() && value.front() == '/') {
      folder = std::string(value);
    }
  }
  folder = WithoutTrailingSlash(folder);
  return folder == homeFolder ? std::string() : folder;
}

std::string UserStateFolder() {
  const std::string home = WithoutTrailingSlash(Environment("HOME"));
  const std::string homeState = home.empty() ? std::string() : home + "/.local/state";
  return WithoutTrailingSlash(AbsoluteOr(Environment("XDG_STATE_HOME"), homeState));
}

SetupPlaces ReadSetupPlaces() {
  const std::string home = WithoutTrailingSlash(Environment("HOME"));
  SetupPlaces places;
  places.programsFolder = ProgramsFolderFor(::geteuid() == 0, home);
  std::string dataDirs = Environment("XDG_DATA_DIRS");
  dataDirs = dataDirs.substr(0, dataDirs.find(':'));
  places.systemDataFolder = WithoutTrailingSlash(AbsoluteOr(dataDirs, "/usr/local/share"));
  const std::string homeData = home.empty() ? std::string() : home + "/.local/share";
  places.userDataFolder = WithoutTrailingSlash(AbsoluteOr(Environment("XDG_DATA_HOME"), homeData));
  const std::string homeConfig = home.empty() ? std::string() : home + "/.config";
  const std::string config = AbsoluteOr(Environment("XDG_CONFIG_HOME"), homeConfig);
  std::string userDirs;
  std::string ignored;
  if (!config.empty())
    ReadRegularFile(config + "/user-dirs.dirs", kMaxUserDirsBytes, &userDirs, &ignored);
  places.desktopFolder = DesktopFolderFrom(userDirs, home);
  return places;
}
