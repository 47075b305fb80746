#pragma once
// "herdwright-cli print": the printed report of a document, to a PDF file.

#include <optional>
#include <string>
#include <vector>

#include "cli/analyze_command.h"
#include "platform/print_device.h"
#include "reports/print_report.h"

struct PrintOptions {
  std::string path;
  std::string pdf;
  PrintSelection selection{0x3ED, kPrintAllBudgets, kPrintAllBudgets};
  int copies = 1;
  PaperSize paper = PaperSize::kLetter;
  // --analysis: the analysis of a budget tab instead of the report's sections.
  std::optional<AnalyzeOptions> analysis;
};

// Parses the arguments that follow "print"; nullopt when they are not valid.
std::optional<PrintOptions> ParsePrintArguments(const std::vector<std::string>& args);
// Exit status: 0 printed, 1 the document, the budget or the PDF could not be had.
int RunPrint(const PrintOptions& options);
