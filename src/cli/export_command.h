#pragma once
// "herdwright-cli export": one view of a document on standard output.

#include <optional>
#include <string>
#include <vector>

struct ExportOptions {
  enum class Format { kText, kCells, kVqn };
  // --view picks a whole-farm list instead of a budget tab.
  enum class View { kBudget, kExpenses, kVeterinary };
  std::string path;
  Format format = Format::kText;
  View view = View::kBudget;
  int tab = -1;  // -1 when not given
};

// Parses the arguments that follow "export"; nullopt when they are not valid.
std::optional<ExportOptions> ParseExportArguments(const std::vector<std::string>& args);
// Exit status: 0 done, 1 the document or the tab could not be had.
int RunExport(const ExportOptions& options);
