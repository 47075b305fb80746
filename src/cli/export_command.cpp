#include "cli/export_command.h"

#include <charconv>
#include <cstdio>
#include <string_view>

#include "text/tag_buffer.h"
#include "document/worksheet.h"
#include "grid/grid_engine.h"
#include "grid/headless_grid_host.h"
#include "headless/headless_platform.h"
#include "reports/cell_dump.h"
#include "app/list_window.h"
#include "reports/whole_farm_text.h"

namespace {

std::optional<int> ParseTab(std::string_view text) {
  int tab = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), tab);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || tab < 0)
    return std::nullopt;
  return tab;
}

std::optional<ExportOptions::Format> ParseFormat(std::string_view text) {
  if (text == "text") return ExportOptions::Format::kText;
  if (text == "rtf") return ExportOptions::Format::kRtf;
  if (text == "cells") return ExportOptions::Format::kCells;
  if (text == "vqn") return ExportOptions::Format::kVqn;
  return std::nullopt;
}

// The copy command whose clipboard text is the view's text.
bool CopyView(CBudgetWorksheet& worksheet, const ExportOptions& options) {
  if (const ListWindow* window = FindListWindowByExportName(options.view))
    return CopyListWindowText(*window, worksheet, nullptr, options.tab < 0 ? 0 : options.tab);
  return worksheet.CopyTabToClipboard(nullptr, options.tab);
}

void Write(std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

void ReportMessages(HeadlessPlatform& platform) {
  for (const std::string& message : platform.TakeMessages())
    std::fprintf(stderr, "%s\n", message.c_str());
}

}  // namespace

std::optional<ExportOptions> ParseExportArguments(const std::vector<std::string>& args) {
  ExportOptions options;
  bool formatGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--tab" && hasValue) {
      const auto tab = ParseTab(args[++i]);
      if (!tab) return std::nullopt;
      options.tab = *tab;
    } else if (arg == "--format" && hasValue) {
      const auto format = ParseFormat(args[++i]);
      if (!format) return std::nullopt;
      options.format = *format;
      formatGiven = true;
    } else if (arg == "--view" && hasValue) {
      options.view = args[++i];
      if (!FindListWindowByExportName(options.view)) return std::nullopt;
    } else if (!arg.starts_with("--") && options.path.empty()) {
      options.path = arg;
    } else {
      return std::nullopt;
    }
  }
  if (options.path.empty() || !formatGiven) return std::nullopt;
  if (!options.view.empty()) {
    // A list shows as text; only a window with tabs has a tab to choose.
    const ListWindow* window = FindListWindowByExportName(options.view);
    if (options.format != ExportOptions::Format::kText) return std::nullopt;
    if (options.tab != -1 && !window->tabStripId) return std::nullopt;
    return options;
  }
  // Text shows any tab, Rich Text only the summary (tab 0), cells a budget tab.
  using Format = ExportOptions::Format;
  const bool tabFits = options.format == Format::kVqn ||
                       (options.format == Format::kText && options.tab >= 0) ||
                       (options.format == Format::kRtf && options.tab == 0) ||
                       (options.format == Format::kCells && options.tab >= 1);
  if (!tabFits) return std::nullopt;
  return options;
}

int RunExport(const ExportOptions& options) {
  HeadlessPlatform platform;
  ScopedPlatform installed(platform);
  CBudgetWorksheet worksheet;
  if (!worksheet.Open(options.path)) {
    ReportMessages(platform);
    return 1;
  }
  if (options.format == ExportOptions::Format::kVqn) {
    worksheet.RefreshOperatingInterest();  // as the program does once it has opened a file
    CTagBuffer buffer;
    worksheet.WriteTags(buffer);
    Write(buffer.View());
    return 0;
  }
  const bool rtf = options.format == ExportOptions::Format::kRtf;
  if (options.format == ExportOptions::Format::kText || rtf) {
    // Exactly what the copy command places: run it and read the clipboard back.
    const std::string_view format = rtf ? kClipboardRtfFormat : kClipboardTextFormat;
    std::string text;
    if (!CopyView(worksheet, options) || !platform.GetClipboard().Fetch(format, &text)) {
      ReportMessages(platform);
      return 1;
    }
    Write(text);
  } else {
    CCropBudget* budget = worksheet.GetBudget(options.tab - 1);
    if (!budget) {
      std::fprintf(stderr, "There is no budget tab %d in %s (it has %d).\n", options.tab,
                   options.path.c_str(), worksheet.CountBudgets());
      return 1;
    }
    HeadlessGridHost host;
    GridEngine grid(1500, host);
    budget->FillGrid(grid);
    Write(DumpGridCells(grid));
  }
  ReportMessages(platform);
  return 0;
}
