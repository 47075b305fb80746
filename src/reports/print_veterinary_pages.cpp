// The veterinary costs: one set of pages per budget.
#include <array>
#include <string>
#include <vector>

#include "document/worksheet.h"
#include "farm/budget_column_name.h"
#include "reports/print_job.h"
#include "reports/print_sections.h"
#include "text/money.h"

namespace {

using Stops = std::array<int, 6>;

std::vector<std::string> RecordCells(const CVeterinaryCost& record, int k) {
  if (record.IsHeading()) {
    const double subtotal = record.GetHeadingValue(k);
    return {"", "", "", subtotal > 0 ? FormatMoney(subtotal) : std::string()};
  }
  const double count = record.allocation[static_cast<std::size_t>(k)];
  const double cost = record.GetBudgetCost(k);
  return {record.units, record.cost > 0 ? FormatMoney(record.cost) : std::string(),
          count >= 0 ? FormatPlain(count) : std::string(),
          cost >= 0 ? FormatMoney(cost) : std::string()};
}

void PrintTitle(CPrintJob& job, int budgets, int k) {
  job.NewPage();
  job.SetFont(300, 700);
  job.Text(job.x0, "Veterinary Costs");
  job.Advance();
  job.SetFont(200, 400);
  if (budgets <= 1) return;
  job.Text(job.x0, "Budget " + std::to_string(k + 1));
  job.Advance();
}

void PrintHeadings(CPrintJob& job, const Stops& stops, const std::string& name) {
  using Fit = CPrintJob::CellFit;
  job.SetWeight(700);
  job.Cells({"", "Cost per", "# Treatments", "", ""}, stops, Fit::kKeepApart);
  job.Advance();
  job.Label("Veterinary", job.Cells({"Unit of     ", "Treatment", "or Units", "Total Cost", ""},
                                    stops, Fit::kKeepApart));
  job.Advance();
  job.SetUnderline(true);
  // The budget's name, typed by the user, keeps to its columns.
  job.Label("Treatments",
            job.Cells({"Measurement", "or Unit", name, name, ""}, stops, Fit::kFitColumn));
  job.Advance();
  job.SetUnderline(false);
  job.Advance();
  job.SetWeight(700);
  job.Advance();
}

void PrintBudgetPages(CPrintJob& job, const CBudgetWorksheet& worksheet, const CCropBudget& budget,
                      int budgets, int k) {
  PrintTitle(job, budgets, k);
  const int W = job.W;
  job.SetWeight(700);
  const int a = job.a;
  const Stops stops = {W - 85 * a, W - 69 * a, W - 50 * a, W - 35 * a, W - 16 * a, W - 2 * a};
  PrintHeadings(job, stops, BudgetColumnName(budget, k, "Budget "));

  const CVeterinaryCost* list = worksheet.lists.pVeterinaryCosts.get();
  for (const CVeterinaryCost* record = list; record; record = record->next.get()) {
    if (job.Room() < 3 * job.h) job.NewPage();
    if (record->IsHeading()) {
      job.y -= job.h / 2;
      job.SetWeight(700);
    } else {
      job.SetWeight(400);
    }
    job.LabeledRow(record->label, RecordCells(*record, k), stops);
    job.Advance();
  }
  job.Advance();
  if (job.Room() < 3 * job.h) job.NewPage();
  job.SetWeight(700);
  job.Label("Totals", job.Cells({"", "", "", FormatMoney(VeterinaryTotal(list, k))}, stops));
  job.Advance();
}

}  // namespace

void PrintVeterinaryPages(CPrintJob& job, const CBudgetWorksheet& worksheet) {
  const int budgets = SlotsInUse(worksheet.CountBudgets());
  // Without a budget the section still shows, as a page with its title.
  if (budgets == 0) {
    PrintTitle(job, budgets, 0);
    return;
  }
  int k = 0;
  for (const CCropBudget* budget = worksheet.budgets.get(); budget && k < budgets;
       budget = budget->next.get(), ++k) {
    PrintBudgetPages(job, worksheet, *budget, budgets, k);
  }
}
