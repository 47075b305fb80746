#pragma once
// "herdwright-cli export": one view of a document on standard output.

#include <optional>
#include <string>
#include <vector>

struct ExportOptions {
  enum class Format { kText, kCells, kVqn };
  std::string path;
  Format format = Format::kText;
  // --view names a whole-farm list window instead of a budget tab; empty: a budget.
  std::string view;
  int tab = -1;  // -1 when not given
};

// Parses the arguments that follow "export"; nullopt when they are not valid.
std::optional<ExportOptions> ParseExportArguments(const std::vector<std::string>& args);
// Exit status: 0 done, 1 the document or the tab could not be had.
int RunExport(const ExportOptions& options);
