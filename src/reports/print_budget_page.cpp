// A budget worksheet's page: the header block, the column headings, the
// three sections with their totals and net returns, and the footnote.
#include <array>
#include <string>
#include <vector>

#include "model/crop_budget.h"
#include "reports/print_report.h"
#include "reports/print_sections.h"
#include "text/money.h"
#include "text/number_text.h"

namespace {

using Stops = std::array<int, 7>;

Stops BudgetStops(const CPrintJob& job) {
  const int W = job.W;
  const int a = job.a;
  return {W - 115 * a, W - 100 * a, W - 90 * a, W - 70 * a, W - 50 * a, W - 30 * a, W};
}

// A row of totals: the amount for the herd and per animal or herd unit, in
// the last two columns.
void TotalsRow(CPrintJob& job, const Stops& stops, double total, double perUnit,
               std::string_view label) {
  const int begin =
      job.Cells({"", "", "", "", FormatMoney(total), FormatMoney(perUnit)}, stops);
  job.Label(label, begin);
}

void ColumnHeadings(CPrintJob& job, const Stops& stops, const CCropBudget& budget) {
  constexpr auto kApart = CPrintJob::CellFit::kKeepApart;
  job.Cells({"Production", "", "Total     ", "", "", ""}, stops, kApart);
  job.Advance();
  job.Cells({"or Weight", "", "Number of", "Price/Cost", "Total ", "Value/Cost"}, stops, kApart);
  job.Advance();
  job.SetUnderline(true);
  const std::string perUnit =
      budget.herdUnitName.empty() ? "per Herd Unit" : "per " + budget.herdUnitName;
  const int begin = job.Cells({"per Animal", "Units", "Head/Units", "per Unit", "Value", perUnit},
                              stops, kApart);
  job.Label("Item", begin);
  job.Advance();
  job.SetUnderline(false);
  job.Advance();
}

void SectionLines(CPrintJob& job, const Stops& stops, const CCropBudget& budget, int section) {
  for (const CBudgetLine* line = budget.sections[static_cast<std::size_t>(section)].get(); line;
       line = line->next.get()) {
    if (job.Room() < 3 * job.h) job.NewPage();
    if (line->kind == kKindHeading) {
      job.y -= job.h / 2;
      job.SetWeight(700);
    } else {
      job.SetWeight(400);
    }
    const std::array<std::string, 6> cells = line->RowTextCells(budget);
    job.LabeledRow(line->LabelCellText(budget), {cells.begin(), cells.end()}, stops);
    job.Advance();
  }
}

// The footnote goes on as many pages as it needs; what follows starts two
// lines below it.
void Footnote(CPrintJob& job, const std::string& footnote) {
  const int width = job.W - job.x0;
  const std::vector<std::string> lines = job.WrapLines(footnote, width);
  const int t = static_cast<int>(lines.size()) * job.h;
  if (job.Room() < job.h + t) job.NewPage();
  job.SetWeight(700);
  job.Text(job.x0, "Footnote:");
  job.Advance();
  job.SetWeight(400);
  for (const std::string& line : lines) {
    job.Text(job.x0, line);
    job.Advance();
  }
  job.Advance(2);
}

}  // namespace

void PrintBudgetHeader(CPrintJob& job, const CCropBudget& budget) {
  job.SetFont(300, 700);
  if (!budget.title.empty()) {
    job.Text(job.x0, budget.title);
    job.Advance();
  }
  job.SetFont(200, 400);
  job.Advance();
  const int valueX = job.x0 + 69 * job.a;
  if (!budget.publicationId.empty()) {
    job.Text(job.x0, "Budget / Publication ID:", valueX - job.a);
    job.Text(valueX, budget.publicationId);
    job.Advance();
  }
  job.Text(job.x0, "Number of Animals or Herd Units:", valueX - job.a);
  job.Text(valueX, budget.numUnits >= 0 ? FormatInt(budget.numUnits) : "Not specified");
  job.Advance(2);
}

void PrintBudgetPage(CPrintJob& job, CCropBudget& budget) {
  job.NewPage();
  PrintBudgetHeader(job, budget);
  job.SetFont(200, 700, false);
  const Stops stops = BudgetStops(job);
  ColumnHeadings(job, stops, budget);

  budget.UpdateOperatingInterest(false);
  const SectionTotals total = budget.GetSectionTotals(false);
  const SectionTotals perUnit = budget.GetSectionTotals(true);

  job.Text(job.x0, "VALUE OF PRODUCTION");
  job.Advance();
  SectionLines(job, stops, budget, kSectionReturns);
  job.SetWeight(700);
  TotalsRow(job, stops, total.returns, perUnit.returns, "Gross Returns");
  job.Advance(2);

  job.Text(job.x0, "OPERATING COSTS");
  job.Advance();
  SectionLines(job, stops, budget, kSectionOperating);
  if (job.Room() < 3 * job.h) job.NewPage();
  job.SetWeight(700);
  TotalsRow(job, stops, total.operating, perUnit.operating, "Total Operating Costs");
  job.Advance();
  TotalsRow(job, stops, total.returns - total.operating, perUnit.returns - perUnit.operating,
            "Net Returns Above Operating Costs");
  job.Advance(2);

  if ((budget.CountLines(kSectionOwnership) + 11) * job.h > job.Room()) job.NewPage();
  job.Text(job.x0, "OWNERSHIP COSTS");
  job.Advance();
  SectionLines(job, stops, budget, kSectionOwnership);
  if (job.Room() < 2 * job.h) job.NewPage();
  job.SetWeight(700);
  TotalsRow(job, stops, total.ownership, perUnit.ownership, "Total Ownership Costs");
  job.Advance();
  if (job.Room() < 3 * job.h) job.NewPage();
  TotalsRow(job, stops, total.operating + total.ownership, perUnit.operating + perUnit.ownership,
            "Total Costs");
  job.Advance(2);
  job.SetWeight(700);
  TotalsRow(job, stops, total.returns - total.operating - total.ownership,
            perUnit.returns - perUnit.operating - perUnit.ownership, "NET RETURNS");
  job.Advance(2);
  job.SetWeight(400);

  if (!budget.footnote.empty()) Footnote(job, budget.footnote);
}
