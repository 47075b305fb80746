// The whole-farm summary and the operating cost summary pages.
#include <array>
#include <string>
#include <vector>

#include "document/worksheet.h"
#include "reports/operating_cost_categories.h"
#include "reports/print_job.h"
#include "reports/print_sections.h"
#include "reports/summary_figures.h"
#include "text/money.h"
#include "text/number_text.h"
#include "text/utf8_text.h"

namespace {

constexpr std::size_t kOneLineNameChars = 40;

// Name, phone and address, those filled in; the address wraps in four lines
// at most.
void PrintContact(CPrintJob& job, const CBudgetWorksheet& worksheet) {
  const int valueX = job.x0 + 15 * job.a;
  if (!worksheet.name.empty()) {
    job.Text(job.x0, "Name:", valueX - job.a);
    job.Text(valueX, worksheet.name);
    job.Advance();
  }
  if (!worksheet.phone.empty()) {
    job.Text(job.x0, "Phone:", valueX - job.a);
    job.Text(valueX, worksheet.phone);
    job.Advance();
  }
  if (!worksheet.address.empty()) {
    const int top = job.y;
    job.Text(job.x0, "Address:", valueX - job.a);
    std::vector<std::string> lines = job.WrapLines(worksheet.address, job.W - valueX);
    if (lines.size() > 4) lines.resize(4);
    for (const std::string& line : lines) {
      job.Text(valueX, line);
      job.Advance();
    }
    job.y = top - 5 * job.h;
  }
  if (!worksheet.name.empty() || !worksheet.phone.empty() || !worksheet.address.empty())
    job.Advance();
}

}  // namespace

void PrintWholeFarmSummary(CPrintJob& job, CBudgetWorksheet& worksheet) {
  job.NewPage();
  job.SetFont(200, 400, false);
  PrintContact(job, worksheet);

  job.SetFont(200, 700);
  const std::array<int, 4> stops = {job.W - 100 * job.a, job.W - 70 * job.a, job.W - 50 * job.a,
                                    job.W - 30 * job.a};
  job.SetFont(300, 700);
  job.Text(job.x0, "Summary (totals)");
  job.Advance();

  // The first heading would run into the label: its first words go on the
  // empty line above it.
  const std::string_view label = "Livestock Budget";
  std::string animals = "Number of Animals";
  job.SetFont(200, 700, false);
  if (job.x0 + job.TextWidth(label) + job.a > stops[0] - job.TextWidth(animals)) {
    job.RightText(stops[0], "Number of");
    animals = "Animals";
  }
  job.Advance();
  job.SetUnderline(true);
  int begin = job.Cells({animals, "Total Revenue", "Total Costs", "Net Returns"}, stops,
                        CPrintJob::CellFit::kKeepApart);
  job.Label(label, begin);
  job.Advance();
  job.SetFont(200, 400, false);

  const WholeFarmSummary summary = SummarizeBudgets(worksheet);
  for (const BudgetSummary& row : summary.budgets) {
    const CCropBudget& budget = *row.budget;
    if (job.Room() < 2 * job.h) job.NewPage();
    const std::string name = budget.GetDisplayName();
    const std::vector<std::string> cells = {
        budget.numUnits >= 0 ? FormatInt(budget.numUnits) : std::string(),
        FormatMoney(row.revenue), FormatMoney(row.costs), FormatMoney(row.net)};
    // A name too long to share the line with the amounts, by count or by
    // width, puts the title on a line of its own.
    const bool oneLine = budget.title.empty() || (CountChars(name) <= kOneLineNameChars &&
                                                  job.LabelFits(name, job.CellsBegin(cells, stops)));
    if (!oneLine) {
      job.y -= job.h / 2;
      job.Text(job.x0, budget.title);
      job.Advance();
    }
    begin = job.Cells(cells, stops);
    if (oneLine) {
      job.Label(name, begin);
    } else if (!budget.publicationId.empty()) {
      job.Label(budget.publicationId, begin);
      job.y -= job.h / 2;
    }
    job.Advance();
  }

  job.SetWeight(700);
  begin = job.Cells({FormatInt(summary.units), FormatMoney(summary.revenue),
                     FormatMoney(summary.costs), FormatMoney(summary.net)},
                    stops);
  job.Label("TOTAL", begin);
  job.SetWeight(400);
}

void PrintOperatingCostSummary(CPrintJob& job, const CBudgetWorksheet& worksheet) {
  job.NewPage();
  job.SetFont(300, 700);
  job.Text(job.x0, "Farm/Ranch Operating Cost Summary");
  job.Advance();
  job.SetFont(200, 400);
  job.Text(job.x0, "In alphabetical order.");
  job.Advance(2);

  job.SetFont(200, 700, true);
  const std::array<int, 1> total = {job.W - 60 * job.a};
  job.Label("Operating Cost Category", job.Cells({"Total Farm/Ranch Costs"}, total));
  job.Advance(2);
  job.SetFont(200, 400, false);
  for (const CostCategory& category : OperatingCostCategories(worksheet)) {
    if (job.Room() < 3 * job.h) job.NewPage();
    job.LabeledRow(category.name, {FormatMoney(category.total)}, total);
    job.Advance();
  }
}
