#include "app/setup_run.h"

#include <filesystem>
#include <optional>

#include "app/desktop_entry.h"
#include "app/setup_files.h"
#include "app/setup_places.h"
#include "text/file_read.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxExtraListBytes = 65536;

std::string Join(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

SetupOutcome Failed(std::string why) { return {false, std::move(why)}; }

// A line of vqrn.ini names a file below the program folder; one that would
// reach outside it is skipped.
bool StaysInside(const fs::path& name) {
  if (name.empty() || name.is_absolute()) return false;
  for (const fs::path& part : name)
    if (part == "..") return false;
  return true;
}

// The extra files are a courtesy: one that cannot be copied fails nothing.
void CopyExtraFiles(const std::string& programFolder, const std::string& target) {
  std::string list;
  std::string ignored;
  if (!ReadRegularFile(programFolder + kExtraFilesList, kMaxExtraListBytes, &list, &ignored)) return;
  std::size_t at = 0;
  while (at < list.size()) {
    const std::size_t end = std::min(list.find('\n', at), list.size());
    std::string line = list.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#' || !StaysInside(line)) continue;
    const std::string to = Join(target, line);
    if (MakeFolders(fs::path(to).parent_path().string(), &ignored))
      CopyReplacing(programFolder + line, to, &ignored);
  }
}

// The document type, its icon and the desktop's caches, then the program as
// the type's default: the helpers are the desktop's and may be missing.
SetupOutcome RegisterFileType(const SetupSettings& settings, const SetupParameters& parameters,
                              const std::string& target) {
  const std::string packages = Join(settings.dataFolder, "mime/packages");
  std::string why;
  if (!MakeFolders(packages, &why) ||
      !WriteReplacing(Join(packages, kMimePackageName), MimePackageText(parameters), 0644, &why)) {
    return Failed(why);
  }
  const std::string icons = Join(settings.dataFolder, "icons/hicolor/scalable/apps");
  const std::string icon = Join(target, kIconFileName);
  if (fs::exists(icon) && MakeFolders(icons, &why))
    CopyReplacing(icon, Join(icons, std::string(kIconName) + ".svg"), &why);
  RunTool({"update-mime-database", Join(settings.dataFolder, "mime")});
  RunTool({"update-desktop-database", settings.menuFolder});
  RunTool({"xdg-mime", "default", kDesktopEntryName, parameters.contentType});
  return {true, {}};
}

}  // namespace

bool EvaluateSetup(SetupSettings& settings) {
  settings.canAssociate = settings.canCopy = settings.canLink = false;
  settings.menuFolder.clear();
  const SetupPlaces places = ReadSetupPlaces();
  if (settings.installFolder.empty() && !settings.folderChosen)
    settings.installFolder = places.programsFolder;
  if (!settings.installFolder.empty()) settings.canCopy = CanWriteOrMake(settings.installFolder);
  // Everyone's menu when it can be written, else the user's own.
  for (const std::string& data : {places.systemDataFolder, places.userDataFolder}) {
    if (data.empty()) continue;
    settings.menuFolder = Join(data, "applications");
    settings.dataFolder = data;
    settings.canLink = CanWriteOrMake(settings.menuFolder);
    if (settings.canLink) break;
  }
  if (settings.desktopFolder.empty()) settings.desktopFolder = places.desktopFolder;
  std::error_code error;
  settings.canLinkDesktop = !settings.desktopFolder.empty() &&
                            fs::is_directory(settings.desktopFolder, error) &&
                            TestFolderWritable(settings.desktopFolder);
  settings.canAssociate =
      !settings.dataFolder.empty() && CanWriteOrMake(Join(settings.dataFolder, "mime/packages"));
  settings.hasExtraFiles = fs::exists(settings.programFolder + kExtraFilesList, error);
  return settings.canAssociate && settings.canCopy && settings.canLink;
}

std::string SetupTargetFolder(const SetupSettings& settings, const SetupParameters& parameters) {
  if (settings.folderChosen) return settings.installFolder;
  return Join(settings.installFolder, parameters.folderName);
}

SetupOutcome RunSetup(SetupSettings& settings, const SetupParameters& parameters) {
  const std::string target = SetupTargetFolder(settings, parameters);
  std::string why;
  if (!MakeFolders(target, &why)) return Failed(why);
  if (!TestFolderWritable(target)) return Failed("cannot write in " + target);
  settings.installedProgram = Join(target, parameters.programFileName);
  if (!SameFile(settings.installedProgram, parameters.programPath)) {
    if (!CopyReplacing(parameters.programPath, settings.installedProgram, &why))
      return Failed(why);
    if (settings.hasExtraFiles) CopyExtraFiles(settings.programFolder, target);
  }

  const std::optional<std::string> entry = DesktopEntryText(parameters, settings.installedProgram);
  if (!entry) return Failed("a menu entry cannot run a program at " + settings.installedProgram);
  if (!MakeFolders(settings.menuFolder, &why)) return Failed(why);
  if (!TestFolderWritable(settings.menuFolder)) return Failed("cannot write in " + settings.menuFolder);
  if (!WriteReplacing(Join(settings.menuFolder, kDesktopEntryName), *entry, 0644, &why))
    return Failed(why);
  // The link the dialog promised: none where there is no desktop to hold it.
  if (settings.canLinkDesktop &&
      !WriteReplacing(Join(settings.desktopFolder, kDesktopLinkName), *entry, 0755, &why)) {
    return Failed(why);
  }
  return RegisterFileType(settings, parameters, target);
}
