#include "app/command_line.h"

#include <array>

#include "text/text_case.h"

namespace {

// The Linux spellings beside the program's own.
constexpr std::array<std::string_view, 3> kNoSetupSwitches = {"/NoSetup", "\\NoSetup",
                                                              "--nosetup"};
constexpr std::array<std::string_view, 6> kSetupSwitches = {
    "/Setup", "\\Setup", "/Install", "\\Install", "--setup", "--install"};
// Case matters here, as it did where these folder names come from.
constexpr std::array<std::string_view, 4> kTemporaryFolders = {"\\Temp", "\\TMP", "/Temp",
                                                               "/TMP"};

constexpr std::string_view kSeparators = "/\\";

bool MatchesAny(std::string_view text, const auto& words) {
  for (std::string_view word : words) {
    if (EqualsNoCase(text, word)) return true;
  }
  return false;
}

bool ContainsAny(std::string_view text, const auto& words) {
  for (std::string_view word : words) {
    if (text.find(word) != std::string_view::npos) return true;
  }
  return false;
}

// A shell hands over a path with blanks in quotes; the quotes are not part of it.
std::string_view Unquoted(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    text = text.substr(1, text.size() - 2);
  }
  return text;
}

}  // namespace

StartupChoice ReadCommandLine(std::string_view commandLine, std::string_view programPath,
                              bool temporaryFolderOffersSetup) {
  const std::string_view text = Unquoted(commandLine);
  if (MatchesAny(text, kNoSetupSwitches)) return {};
  if (MatchesAny(text, kSetupSwitches)) return {{}, true};
  return {std::string(text),
          temporaryFolderOffersSetup && ContainsAny(programPath, kTemporaryFolders)};
}

std::string FolderPart(std::string_view path) {
  const auto last = path.find_last_of(kSeparators);
  if (last == std::string_view::npos) return {};
  return std::string(path.substr(0, last + 1));
}

std::string FileNamePart(std::string_view path) {
  const auto last = path.find_last_of(kSeparators);
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}
