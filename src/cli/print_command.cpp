#include "cli/print_command.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <string_view>
#include <utility>

#include "app/command_line.h"
#include "app/document_title.h"
#include "document/worksheet.h"
#include "headless/headless_platform.h"
#include "headless/pdf_print_device.h"
#include "reports/print_analysis.h"

namespace {

constexpr int kMostCopies = 999;

constexpr std::pair<std::string_view, int> kSectionNames[] = {
    {"summary", kPrintWholeFarmSummary},   {"operating", kPrintOperatingSummary},
    {"expenses", kPrintExpenses},          {"machinery", kPrintMachinery},
    {"buildings", kPrintBuildings},        {"veterinary", kPrintVeterinary},
    {"purchased", kPrintPurchasedLivestock}, {"retained", kPrintRetainedLivestock},
    {"budgets", kPrintBudgets},            {"all", 0x3ED},
};

std::optional<int> ParseNumber(std::string_view text, int low, int high) {
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::optional<int> ParseSections(std::string_view list) {
  int flags = 0;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    int flag = 0;
    for (const auto& [known, value] : kSectionNames)
      if (name == known) flag = value;
    if (flag == 0) return std::nullopt;
    flags |= flag;
    if (comma == std::string_view::npos) return flags;
    list.remove_prefix(comma + 1);
  }
}

void ReportMessages(HeadlessPlatform& platform) {
  for (const std::string& message : platform.TakeMessages())
    std::fprintf(stderr, "%s\n", message.c_str());
}

// The analysis of a budget tab, as its window prints it.
int PrintTheAnalysis(const PrintOptions& options, CBudgetWorksheet& worksheet,
                     HeadlessPlatform& platform) {
  // As the program shows the budgets: their interest rows up to date.
  const bool modified = worksheet.RefreshOperatingInterest();
  CBudgetAnalysis analysis;
  if (!PrepareAnalysis(*options.analysis, worksheet, &analysis)) return 1;
  if (!analysis.message.empty()) {
    std::fprintf(stderr, "Nothing to print: %s\n", analysis.message.c_str());
    return 1;
  }
  CPrintJob job({FileNamePart(options.path), DocumentDate(options.path, modified)});
  job.UseDevice(std::make_unique<PdfPrintDevice>(options.pdf, options.paper), options.copies);
  const bool printed = PrintAnalysisPages(job, analysis);
  ReportMessages(platform);
  return printed ? 0 : 1;
}

}  // namespace

std::optional<PrintOptions> ParsePrintArguments(const std::vector<std::string>& args) {
  PrintOptions options;
  // The analysis's own choices, read as herdwright-cli analyze reads them.
  std::vector<std::string> analysis;
  bool analysisMode = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    std::optional<int> number;
    if (arg == "--analysis" && hasValue && !analysisMode) {
      analysis.insert(analysis.end(), {"--mode", args[++i]});
      analysisMode = true;
    } else if ((arg == "--tab" || arg == "--yield-increment" || arg == "--price-increment" ||
                arg == "--alternative") &&
               hasValue) {
      analysis.insert(analysis.end(), {arg, args[++i]});
    } else if (arg == "--pdf" && hasValue && options.pdf.empty()) {
      options.pdf = args[++i];
      if (options.pdf.empty()) return std::nullopt;
    } else if (arg == "--sections" && hasValue) {
      const std::optional<int> flags = ParseSections(args[++i]);
      if (!flags) return std::nullopt;
      options.selection.flags = *flags;
    } else if (arg == "--budget" && hasValue && (number = ParseNumber(args[++i], 1, INT32_MAX))) {
      options.selection.budgets = *number;
    } else if (arg == "--selector" && hasValue &&
               (number = ParseNumber(args[++i], kPrintListSummary, INT32_MAX))) {
      options.selection.lists = *number;
    } else if (arg == "--copies" && hasValue && (number = ParseNumber(args[++i], 1, kMostCopies))) {
      options.copies = *number;
    } else if (arg == "--page-size" && hasValue) {
      const std::string& size = args[++i];
      if (size != "letter" && size != "a4") return std::nullopt;
      options.paper = size == "a4" ? PaperSize::kA4 : PaperSize::kLetter;
    } else if (!arg.starts_with("--") && options.path.empty()) {
      options.path = arg;
    } else {
      return std::nullopt;
    }
  }
  if (options.path.empty() || options.pdf.empty()) return std::nullopt;
  if (!analysis.empty()) {
    if (!analysisMode) return std::nullopt;
    analysis.insert(analysis.end(), {options.path, "--format", "rtf"});
    options.analysis = ParseAnalyzeArguments(analysis);
    if (!options.analysis) return std::nullopt;
  }
  return options;
}

int RunPrint(const PrintOptions& options) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  CBudgetWorksheet worksheet;
  if (!worksheet.Open(options.path)) {
    ReportMessages(platform);
    return 1;
  }
  if (options.analysis) return PrintTheAnalysis(options, worksheet, platform);
  const PrintSelection& selection = options.selection;
  const int budgets = worksheet.CountBudgets();
  if ((selection.flags & kPrintBudgets) && selection.budgets > budgets) {
    std::fprintf(stderr, "There is no budget %d in %s (it has %d).\n", selection.budgets,
                 options.path.c_str(), budgets);
    return 1;
  }
  // As the program does once it has opened a file: a row brought up to date
  // is a change, and the footer then gives today's date.
  const bool modified = worksheet.RefreshOperatingInterest();
  CPrintJob job({FileNamePart(options.path), DocumentDate(options.path, modified)});
  job.UseDevice(std::make_unique<PdfPrintDevice>(options.pdf, options.paper), options.copies);
  const bool printed = PrintReportSections(job, worksheet, selection);
  ReportMessages(platform);
  if (!printed) return 1;
  if (job.PagesPrinted() == 0) {
    std::fprintf(stderr, "Nothing to print: %s has no budget.\n", options.path.c_str());
    return 1;
  }
  return 0;
}
