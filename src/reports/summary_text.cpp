#include "reports/summary_text.h"

#include <initializer_list>
#include <string_view>

#include "document/worksheet.h"
#include "reports/summary_figures.h"
#include "text/money.h"
#include "text/number_text.h"
#include "text/rtf_escape.h"

namespace {

// Room ahead, so that a long summary is not moved as it grows.
constexpr std::size_t kBytesPerBudget = 1024;
constexpr std::size_t kFixedBytes = 4096;

// Text and Rich Text are written side by side; only the field separator and the
// line end differ in the rows they share.
struct Renderer {
  SummaryRenderings out;

  void Amounts(std::initializer_list<double> amounts) {
    for (double amount : amounts) {
      const std::string money = FormatMoney(amount);
      out.text.append("\t").append(money);
      out.rtf.append("\\tab ").append(money);
    }
  }
  void Count(std::string_view count) {
    out.text.append("\t").append(count);
    out.rtf.append("\\tab ").append(count);
  }
  void Label(std::string_view label) {
    out.text.append(label);
    AppendRtfEscaped(out.rtf, label);
  }
  void EndRow() {
    out.text += '\n';
    out.rtf += "\\par\n";
  }
};

// The address shows line by line: each line feed ends a line, and the one that
// ends the address starts no empty line after it.
void AppendRtfAddress(std::string& rtf, std::string_view address) {
  rtf += "Address: ";
  while (!address.empty()) {
    const std::size_t end = address.find('\n');
    AppendRtfEscaped(rtf, address.substr(0, end));
    rtf += "\\par\n";
    address = end == std::string_view::npos ? std::string_view() : address.substr(end + 1);
  }
}

void AppendContactLine(SummaryRenderings& out, std::string_view caption, std::string_view value) {
  if (value.empty()) return;
  out.text.append(caption).append(value).append("\n");
  out.rtf.append(caption);
  AppendRtfEscaped(out.rtf, value);
  out.rtf += "\\par\n";
}

// Name, phone and address, those that are filled in.
void AppendContact(SummaryRenderings& out, const CBudgetWorksheet& worksheet) {
  AppendContactLine(out, "Name: ", worksheet.name);
  AppendContactLine(out, "Phone: ", worksheet.phone);
  if (!worksheet.address.empty()) {
    out.text.append("Address: ").append(worksheet.address).append("\n");
    AppendRtfAddress(out.rtf, worksheet.address);
  }
  if (!worksheet.name.empty() || !worksheet.phone.empty() || !worksheet.address.empty()) {
    out.text += "\n\n";
    out.rtf += " \\par\\par\n";
  }
}

}  // namespace

SummaryRenderings RenderSummary(CBudgetWorksheet& worksheet) {
  const WholeFarmSummary summary = SummarizeBudgets(worksheet);
  Renderer r;
  const std::size_t room = kFixedBytes + kBytesPerBudget * summary.budgets.size();
  r.out.text.reserve(room);
  r.out.rtf.reserve(room);
  std::string& text = r.out.text;
  std::string& rtf = r.out.rtf;

  rtf += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang103\r\n";
  rtf += "\\viewkind4\\uc1\\pard\\tx3500\\tx4900\\tx6200\\tx7500\\f0\\fs18\r\n";
  AppendContact(r.out, worksheet);

  text += "Gross Margin Analysis (per acre)\n\n";
  text += "Crop\tRevenue Per Acre\tVariable Costs Per Acre\tGross Margin Per Acre\n";
  rtf += "\\b Gross Margin Analysis (per acre)\\b0\\par\\par\n";
  rtf += "\\b Crop (in order of\\tab Revenue\\tab Variable Costs\\tab Gross Margin\\b0\\par\n";
  rtf += "\\b\\ul descending Gross Margin)\\tab Per Acre\\tab Per Acre\\tab Per Acre"
         "\\ulnone\\b0\\par\n";
  for (const BudgetSummary& row : summary.budgets) {
    r.Label(SummaryLabel(*row.budget));
    r.Amounts({row.revenuePerUnit, row.operatingPerUnit, row.marginPerUnit});
    r.EndRow();
  }

  text += "\n\nWhole Farm Summary (totals)\n\n";
  text += "Crop\tAcres\tTotal Revenue\tTotal Costs\tNet Returns\n";
  rtf += "\\par\\par\n";
  rtf += "\\b Whole Farm Summary (totals)\\b0\\par\\par\n";
  rtf += "\\b Crop (in order of\\tab \\tab Total\\tab Total\\tab Net\\b0\\par\n";
  rtf += "\\b\\ul descending Gross Margin)\\tab Acres\\tab Revenue\\tab Costs\\tab Returns"
         "\\ulnone\\b0\\par\n";
  for (const BudgetSummary& row : summary.budgets) {
    r.Label(SummaryLabel(*row.budget));
    const std::int32_t units = row.budget->numUnits;
    r.Count(units > 0 ? FormatInt(units) : std::string());
    r.Amounts({row.revenue, row.costs, row.net});
    r.EndRow();
  }

  text += "TOTAL";
  rtf += "\\b TOTAL";
  r.Count(FormatInt(summary.units));
  r.Amounts({summary.revenue, summary.costs, summary.net});
  text += '\n';
  rtf += "\\b0\\par\n}\n";
  return std::move(r.out);
}
