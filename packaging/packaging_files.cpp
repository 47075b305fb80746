// Writes the Debian package's desktop entry and MIME package into a folder,
// with the texts setup writes, for the program at a path.
// Usage: packaging_files FOLDER PROGRAM

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>

#include "app/desktop_entry.h"
#include "platform/app_message.h"

namespace {

bool Write(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: packaging_files FOLDER PROGRAM\n");
    return 2;
  }
  const std::string folder = argv[1];
  SetupParameters parameters;
  parameters.productTitle = kProductTitle;
  const std::optional<std::string> entry = DesktopEntryText(parameters, argv[2]);
  if (!entry || !Write(folder + "/" + kDesktopEntryName, *entry) ||
      !Write(folder + "/" + kMimePackageName, MimePackageText(parameters))) {
    std::fprintf(stderr, "packaging_files: cannot write into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
