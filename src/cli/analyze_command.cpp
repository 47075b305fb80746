#include "cli/analyze_command.h"

#include <charconv>
#include <cstdio>
#include <string_view>

#include "document/worksheet.h"
#include "headless/headless_platform.h"
#include "reports/analysis_text.h"

namespace {

std::optional<int> ParseNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

void ReportMessages(HeadlessPlatform& platform) {
  for (const std::string& message : platform.TakeMessages())
    std::fprintf(stderr, "%s\n", message.c_str());
}

}  // namespace

std::optional<AnalyzeOptions> ParseAnalyzeArguments(const std::vector<std::string>& args) {
  AnalyzeOptions options;
  bool modeGiven = false;
  bool formatGiven = false;
  std::size_t alternatives = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    const std::string value = hasValue ? args[i + 1] : std::string();
    if (!arg.starts_with("--")) {
      if (!options.path.empty()) return std::nullopt;
      options.path = arg;
      continue;
    }
    if (!hasValue) return std::nullopt;
    ++i;
    if (arg == "--mode" && (value == "breakeven" || value == "sensitivity")) {
      options.mode = value == "sensitivity" ? AnalysisMode::kSensitivity : AnalysisMode::kGrossMargin;
      modeGiven = true;
    } else if (arg == "--format" && (value == "rtf" || value == "text")) {
      options.rtf = value == "rtf";
      formatGiven = true;
    } else if (const std::optional<int> number = ParseNumber(value); !number) {
      return std::nullopt;
    } else if (arg == "--tab") {
      options.tab = *number;
    } else if (arg == "--yield-increment") {
      options.yieldIncrement = *number;
    } else if (arg == "--price-increment") {
      options.priceIncrement = *number;
    } else if (arg == "--alternative" && alternatives < kAlternatives) {
      options.alternatives[alternatives++] = *number - 1;
    } else {
      return std::nullopt;
    }
  }
  if (options.path.empty() || options.tab < 1 || !modeGiven || !formatGiven) return std::nullopt;
  return options;
}

bool PrepareAnalysis(const AnalyzeOptions& options, CBudgetWorksheet& worksheet,
                     CBudgetAnalysis* analysis) {
  const CCropBudget* budget = worksheet.GetBudget(options.tab - 1);
  if (!budget) {
    std::fprintf(stderr, "There is no budget tab %d in %s (it has %d).\n", options.tab,
                 options.path.c_str(), worksheet.CountBudgets());
    return false;
  }
  analysis->mode = options.mode;
  analysis->yieldIncrement = options.yieldIncrement;
  analysis->priceIncrement = options.priceIncrement;
  analysis->alternatives = options.alternatives;
  analysis->ForgetMissingAlternatives(worksheet.CountBudgets());
  analysis->base = budget;
  analysis->Calculate(worksheet);
  return true;
}

int RunAnalyze(const AnalyzeOptions& options) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  CBudgetWorksheet worksheet;
  if (!worksheet.Open(options.path)) {
    ReportMessages(platform);
    return 1;
  }
  CBudgetAnalysis analysis;
  if (!PrepareAnalysis(options, worksheet, &analysis)) return 1;
  const std::string text = options.rtf ? RenderAnalysisRtf(analysis) : AnalysisPlainText(analysis);
  std::fwrite(text.data(), 1, text.size(), stdout);
  ReportMessages(platform);
  return 0;
}
