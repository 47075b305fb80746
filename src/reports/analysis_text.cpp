#include "reports/analysis_text.h"

#include <string_view>

#include "reports/budget_analysis.h"
#include "text/number_text.h"
#include "text/rtf_escape.h"
#include "text/rtf_reader.h"

namespace {

// A text typed by the user: escaped, so that it shows as typed.
std::string Typed(std::string_view text) {
  std::string rtf;
  AppendRtfEscaped(rtf, text);
  return rtf;
}

std::string Money(double value) { return FormatFixed(value, 2); }
std::string One(double value) { return FormatFixed(value, 1); }

// The lines of one block of the gross-margin view: yields or prices.
void AppendAlternatives(std::string& rtf, const CBudgetAnalysis& analysis, int last, bool yields) {
  rtf += yields ? "\\ul Breakeven Equivalent\\ulnone \\tab \\ul Yield\\ulnone\\par\n"
                : "\\ul Breakeven Equivalent\\ulnone \\tab \\ul Price\\ulnone\\par\n";
  for (int k = 0; k <= last; ++k) {
    const auto& row = analysis.results[0][static_cast<std::size_t>(k)];
    const double price = row[0], quantity = row[1];
    const double breakeven = yields ? row[3] : row[2];
    const std::string name = Typed(analysis.names[static_cast<std::size_t>(k)]);
    const std::string unit = Typed(analysis.units[static_cast<std::size_t>(k)]);
    if (analysis.alternatives[static_cast<std::size_t>(k)] < 0) {
      rtf += "\\i    No Alternative Crop #" + FormatInt(k + 1) + " selected.\\i0\\par\n";
    } else if (!(price > 0)) {
      rtf += "   " + name + " \\tab \\iNo price specified\\i0\\par\n";
    } else if (!(quantity > 0)) {
      rtf += "   " + name + " \\tab \\iNo quantity specified\\i0\\par\n";
    } else if (yields) {
      rtf += "   " + name + " @ $ " + Money(price) + " per " + unit + " \\tab ";
      // Below zero: the alternative earns the base's gross margin at no yield at all.
      rtf += breakeven >= 0 ? One(breakeven) + " " + unit
                            : std::string("\\iearns more than the base crop at any yield\\i0");
      rtf += "\\par\n";
    } else {
      rtf += "   " + name + " @ " + One(quantity) + " " + unit + " per acre \\tab ";
      rtf += breakeven >= 0 ? "$ " + Money(breakeven) + " per " + unit
                            : std::string("\\iearns more than the base crop at any price\\i0");
      rtf += "\\par\n";
    }
  }
}

void AppendGrossMargin(std::string& rtf, const CBudgetAnalysis& analysis) {
  rtf += "\\qc Gross Margin Equivalent Breakeven Analysis\\par\r\n";
  rtf += "\\par\n";
  rtf += "\\viewkind4\\uc1\\pard\\tx5000\\f0\\fs16\r\n";
  rtf += "Base crop: " + Typed(analysis.names[kAlternatives]) + "\\par\n";
  rtf += "Base crop gross margin: $ " + Money(analysis.GrossMarginOfBase()) + "\\par\n";
  rtf += " \\par\r\n";
  int last = kAlternatives - 1;
  while (last >= 0 && analysis.alternatives[static_cast<std::size_t>(last)] < 0) --last;
  if (last < 0) {
    rtf += "\\i No alternative crops selected for comparison.\\i0\\par\n";
    rtf += "\\i Select crops to compare from the boxes below.\\i0\\par\n";
    return;
  }
  AppendAlternatives(rtf, analysis, last, true);
  rtf += " \\par\r\n";
  AppendAlternatives(rtf, analysis, last, false);
}

constexpr std::string_view kTabStops =
    "\\viewkind4\\uc1\\pard\\tx2800\\tx3800\\tx4800\\tx5400\\tx7400\\tx8400\\tx9400\\f0\\fs16\r\n";

// One table of breakevens; prices formats the figures of the first row as money.
void AppendBreakevens(std::string& rtf, const std::array<std::array<double, 4>, 5>& table,
                      bool moneyFigures) {
  const auto figure = [moneyFigures](double v) { return moneyFigures ? "$" + Money(v) : One(v); };
  const auto value = [moneyFigures](double v) { return moneyFigures ? One(v) : "$" + Money(v); };
  rtf += "\\ul Cost Category\\ulnone \\tab \\ul " + figure(table[0][0]) + "\\tab " +
         figure(table[0][1]) + "\\tab " + figure(table[0][2]) + "\\tab\\ulnone\\par\r\n";
  constexpr std::array<std::string_view, 3> kRows = {"Operating Cost Breakeven",
                                                     "Ownership Cost Breakeven",
                                                     "Total Cost Breakeven"};
  constexpr std::array<std::string_view, 2> kHints = {
      "\\i Enter Operating costs and acreage\\i0\\par\r\n",
      "\\i Enter Ownership costs and acreage\\i0\\par\r\n"};
  for (std::size_t r = 1; r <= 3; ++r) {
    if (table[r][0] >= 0) {
      rtf += std::string(kRows[r - 1]) + "\\tab " + value(table[r][0]) + "\\tab " +
             value(table[r][1]) + "\\tab " + value(table[r][2]) + "\\par\r\n";
    } else if (r < 3) {
      rtf += kHints[r - 1];
    }
  }
  rtf += " \\par\r\n";
}

void AppendSensitivity(std::string& rtf, const CBudgetAnalysis& analysis) {
  const std::string yieldStep = FormatInt(analysis.yieldIncrement);
  const std::string priceStep = FormatInt(analysis.priceIncrement);
  rtf += "\\qc Breakeven Prices\\par\r\n";
  rtf += kTabStops;
  rtf += "\\tab \\ul  \\tab\\tab\\tab\\ulnone\\par\r\n";
  rtf += "\\tab \\tab Base \\par\r\n";
  rtf += "\\tab -" + yieldStep + "%\\tab Yield\\tab +" + yieldStep + "%\\par\r\n";
  if (analysis.results[0][0][0] >= 0) AppendBreakevens(rtf, analysis.results[0], false);
  rtf += "\\plain\\fs20";
  rtf += "\\qc Breakeven Yields\\par\r\n";
  rtf += kTabStops;
  rtf += "\\tab \\ul  \\tab\\tab\\tab\\ulnone\\par\r\n";
  rtf += "\\tab \\tab Base \\par\r\n";
  rtf += "\\plain\\fs16 \\tab -" + priceStep + "%\\tab Price\\tab +" + priceStep + "%\\par\r\n";
  if (analysis.results[1][0][0] >= 0) {
    AppendBreakevens(rtf, analysis.results[1], true);
  } else {
    rtf += "\\i Enter $/Unit (Price) in table\\i0\\par\r\n";
  }
}

}  // namespace

std::string RenderAnalysisRtf(const CBudgetAnalysis& analysis) {
  if (!analysis.message.empty()) return analysis.message;
  std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang103{\\fonttbl{\\f0\\fswiss\\fcharset0 "
      "Arial;}}\r\n\\plain\\fs20";
  if (analysis.mode == AnalysisMode::kGrossMargin) {
    AppendGrossMargin(rtf, analysis);
  } else {
    AppendSensitivity(rtf, analysis);
  }
  rtf += "\\par}\n";
  return rtf;
}

std::string AnalysisPlainText(const CBudgetAnalysis& analysis) {
  if (!analysis.message.empty()) return analysis.message;
  std::string text;
  bool first = true;
  for (const RtfParagraph& paragraph : ReadRtf(RenderAnalysisRtf(analysis))) {
    if (!first) text += "\r\n";
    first = false;
    for (const RtfRun& run : paragraph.runs) text += run.text;
  }
  return text;
}
