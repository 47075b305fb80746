#include "platform/report_font.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

namespace {

std::vector<std::string> FontFolders() {
  std::vector<std::string> folders;
  if (const char* chosen = std::getenv("HERDWRIGHT_FONT_DIR"); chosen && *chosen)
    folders.emplace_back(chosen);
  for (const char* folder :
       {"/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation",
        "/usr/share/fonts/liberation-sans", "/usr/share/fonts/liberation",
        "/usr/share/fonts/TTF", "/usr/local/share/fonts", "/opt/homebrew/share/fonts",
        "/Library/Fonts"})
    folders.emplace_back(folder);
  return folders;
}

}  // namespace

std::string FindReportFontFile(bool bold) {
  const char* name = bold ? "LiberationSans-Bold.ttf" : "LiberationSans-Regular.ttf";
  for (const std::string& folder : FontFolders()) {
    std::error_code status;
    const std::filesystem::path path = std::filesystem::path(folder) / name;
    if (std::filesystem::is_regular_file(path, status)) return path.string();
  }
  return {};
}

std::string ReportFontMissingMessage() {
  return "The report font Liberation Sans (LiberationSans-Regular.ttf and "
         "LiberationSans-Bold.ttf, Debian package fonts-liberation2) is not installed.";
}

double WeightedAverageCharWidth(const std::function<double(char)>& advance) {
  static constexpr std::array<std::pair<char, int>, 27> kWeights = {{
      {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14},
      {'h', 42}, {'i', 63}, {'j', 3},  {'k', 6},  {'l', 35},  {'m', 20}, {'n', 56},
      {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49}, {'s', 56},  {'t', 71}, {'u', 31},
      {'v', 10}, {'w', 18}, {'x', 3},  {'y', 18}, {'z', 2},   {' ', 166},
  }};
  double sum = 0;
  for (const auto& [c, weight] : kWeights) sum += weight * advance(c);
  return sum / 1000;
}
