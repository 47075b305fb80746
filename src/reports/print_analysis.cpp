#include "reports/print_analysis.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "document/worksheet.h"
#include "reports/budget_analysis.h"
#include "reports/print_report.h"
#include "text/number_text.h"

namespace {

std::string Money(double value) { return FormatFixed(value, 2); }
std::string One(double value) { return FormatFixed(value, 1); }

// Tabbed text as a system draws it: each piece after a tab starts at the first
// stop beyond the end of the piece before (stops counted from x = 0).
void TabbedText(CPrintJob& job, std::string_view text, const std::vector<int>& stops) {
  int x = job.x0;
  bool first = true;
  while (true) {
    const std::size_t tab = text.find('\t');
    const std::string_view piece = text.substr(0, tab);
    if (!first) {
      int stop = x;
      for (const int candidate : stops) {
        if (candidate > x) {
          stop = candidate;
          break;
        }
      }
      x = stop;
    }
    first = false;
    job.Text(x, piece);
    x += job.TextWidth(piece);
    if (tab == std::string_view::npos) return;
    text.remove_prefix(tab + 1);
  }
}

std::vector<int> StopsAt(const CPrintJob& job, std::initializer_list<int> widths) {
  std::vector<int> stops;
  for (const int width : widths) stops.push_back(width * job.a);
  return stops;
}

// One alternative's line of a block, as on screen but without the hints'
// italics; none below zero (the alternative earns more at any yield or price).
std::string AlternativeLine(const CBudgetAnalysis& analysis, int k, bool yields) {
  const auto& row = analysis.results[0][static_cast<std::size_t>(k)];
  const std::string& name = analysis.names[static_cast<std::size_t>(k)];
  const std::string& unit = analysis.units[static_cast<std::size_t>(k)];
  const double breakeven = yields ? row[3] : row[2];
  if (analysis.alternatives[static_cast<std::size_t>(k)] < 0) {
    return "   No Alternative Crop #" + FormatInt(k + 1) + " selected.";
  }
  if (!(row[0] > 0)) return "   " + name + (yields ? " \tNo price specified" : " \t No price specified");
  if (!(row[1] > 0)) return "   " + name + " \tNo quantity specified";
  if (breakeven < 0) {
    return "   " + name + " \tearns more than the base crop at any " + (yields ? "yield" : "price");
  }
  if (yields) {
    return "   " + name + " @ $ " + Money(row[0]) + " per " + unit + " \t" + One(breakeven) + " " +
           unit;
  }
  return "   " + name + " @ " + One(row[1]) + " " + unit + " per acre \t$ " + Money(breakeven) +
         " per " + unit;
}

void GrossMarginBody(CPrintJob& job, const CBudgetAnalysis& analysis) {
  job.SetFont(300, 700);
  job.Text(job.x0, "Gross Margin Breakeven Analysis");
  job.Advance(2);
  job.SetFont(200, 400);
  const std::vector<int> stops = StopsAt(job, {60, 75});
  job.Text(job.x0, "Base crop: " + analysis.names[kAlternatives]);
  job.Advance();
  job.Text(job.x0, "Base crop gross margin: $ " + Money(analysis.GrossMarginOfBase()));
  job.Advance(2);
  int last = kAlternatives - 1;
  while (last >= 0 && analysis.alternatives[static_cast<std::size_t>(last)] < 0) --last;
  if (last < 0) {
    job.Text(job.x0, "No alternative crops selected for comparison.");
  } else {
    for (const bool yields : {true, false}) {
      job.SetUnderline(true);
      TabbedText(job, yields ? "Breakeven Equivalent\tYield" : "Breakeven Equivalent\tPrice",
                 stops);
      job.Advance();
      job.SetUnderline(false);
      for (int k = 0; k <= last; ++k) {
        TabbedText(job, AlternativeLine(analysis, k, yields), stops);
        job.Advance();
      }
      if (yields) job.Advance();
    }
  }
  job.Advance();
}

// A table of breakevens: its title centred, the increments, the figures and
// the rows that were computed.
void BreakevenTable(CPrintJob& job, const std::array<std::array<double, 4>, 5>& table,
                    const std::vector<int>& stops, std::string_view title, std::string_view figure,
                    int increment, bool moneyFigures) {
  const auto figureText = [moneyFigures](double v) { return moneyFigures ? "$" + Money(v) : One(v); };
  const auto valueText = [moneyFigures](double v) { return moneyFigures ? One(v) : "$" + Money(v); };
  job.SetFont(280, 400, true);
  job.Text((job.W - job.x0) / 2 - job.TextWidth(title) / 2, title);
  job.Advance(2);
  job.SetFont(200, 400, false);
  TabbedText(job, "\t \tBase\t \t", stops);
  job.Advance();
  const std::string step = FormatInt(increment);
  TabbedText(job, "\t-" + step + "%\t" + std::string(figure) + "\t+" + step + "%", stops);
  job.SetUnderline(true);
  job.Advance();
  TabbedText(job, "Cost Category\t" + figureText(table[0][0]) + "\t" + figureText(table[0][1]) +
                      "\t" + figureText(table[0][2]),
             stops);
  job.Advance();
  job.SetUnderline(false);
  constexpr std::array<std::string_view, 3> kRows = {
      "Operating Cost Breakeven", "Ownership Cost Breakeven", "Total Cost Breakeven"};
  for (std::size_t r = 1; r <= 3; ++r) {
    if (!(table[r][0] >= 0)) continue;
    TabbedText(job, std::string(kRows[r - 1]) + "\t" + valueText(table[r][0]) + "\t" +
                        valueText(table[r][1]) + "\t" + valueText(table[r][2]),
               stops);
    job.Advance();
  }
}

void SensitivityBody(CPrintJob& job, const CBudgetAnalysis& analysis) {
  const std::string label = analysis.returnLine ? analysis.returnLine->label : std::string();
  job.SetFont(300, 700);
  job.Text(job.x0, label.empty() ? "Sensitivity/Breakeven Analysis"
                                 : "Sensitivity/Breakeven Analysis for " + label);
  job.Advance(2);
  job.SetFont(200, 400);
  const std::vector<int> stops = StopsAt(job, {60, 75, 90, 105});
  if (analysis.results[0][0][0] >= 0) {
    BreakevenTable(job, analysis.results[0], stops, "Breakeven Prices", "Yield",
                   analysis.yieldIncrement, false);
    job.Advance(2);
  }
  if (analysis.results[1][0][0] >= 0) {
    BreakevenTable(job, analysis.results[1], stops, "Breakeven Yields", "Price",
                   analysis.priceIncrement, true);
  }
}

}  // namespace

bool PrintAnalysisPages(CPrintJob& job, const CBudgetAnalysis& analysis) {
  // Nothing to print: the window greys its command while it says why.
  if (!analysis.message.empty() || !analysis.base) return job.Succeeded();
  while (job.NextCopy()) {
    job.ApplyFont();
    job.x0 = kLeftPosition;
    job.NewPage();
    if (analysis.mode == AnalysisMode::kSensitivity) {
      PrintBudgetHeader(job, *analysis.base);
      SensitivityBody(job, analysis);
    } else {
      GrossMarginBody(job, analysis);
    }
    PrintPageFooter(job);
  }
  return job.Succeeded();
}

bool PrintAnalysis(CPrintJob& job, PlatformWindow* owner, const CBudgetAnalysis& analysis) {
  if (!job.ChoosePrinter(owner)) return false;
  PrintAnalysisPages(job, analysis);
  return true;
}
