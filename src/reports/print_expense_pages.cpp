// The general farm/ranch expenses: both lists, the budgets three at a time.
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "document/worksheet.h"
#include "farm/budget_column_name.h"
#include "reports/print_job.h"
#include "reports/print_sections.h"
#include "text/money.h"

namespace {

constexpr int kBudgetsPerPageSet = 3;

struct Group {
  int first = 0;  // budget positions, 0-based
  int count = 0;
};

std::string MoneyAbove(double value) { return value > 0 ? FormatMoney(value) : std::string(); }

std::vector<std::string> RecordCells(const CExpenseLne& line, const Group& group) {
  std::vector<std::string> cells;
  if (line.IsHeading()) {
    cells.push_back(MoneyAbove(line.GetHeadingValue(-1)));
    for (int k = group.first; k < group.first + group.count; ++k)
      cells.push_back(MoneyAbove(line.GetHeadingValue(k)));
    return cells;
  }
  cells.push_back(line.total >= 0 ? FormatMoney(line.total) : std::string());
  for (int k = group.first; k < group.first + group.count; ++k) {
    const double share = line.allocation[static_cast<std::size_t>(k)];
    cells.push_back(share >= 0 ? FormatPlain(share) + " %" : std::string());
  }
  return cells;
}

void PrintRecords(CPrintJob& job, std::span<const int> stops, const CExpenseLne* line,
                  const Group& group) {
  // The total and one distribution per budget of the group.
  const std::span<const int> rowStops = stops.first(static_cast<std::size_t>(group.count) + 1);
  for (; line; line = line->next.get()) {
    if (job.Room() < 3 * job.h) job.NewPage();
    if (line->IsHeading()) {
      job.y -= job.h / 2;
      job.SetWeight(700);
    } else {
      job.SetWeight(400);
    }
    job.LabeledRow(line->label, RecordCells(*line, group), rowStops);
    job.Advance();
  }
}

void PrintTitle(CPrintJob& job, int printedBudgets, const Group& group) {
  job.NewPage();
  job.SetFont(300, 700);
  job.Text(job.x0, "General Farm/Ranch Expenses");
  job.Advance();
  job.SetFont(200, 400);
  if (printedBudgets <= kBudgetsPerPageSet) return;
  const int first = group.first + 1;
  const int last = group.first + group.count;
  job.Text(job.x0, group.count == 1 ? "Budget " + std::to_string(first)
                                    : "Budgets " + std::to_string(first) + " to " +
                                          std::to_string(last));
  job.Advance();
}

void PrintPageSet(CPrintJob& job, const CBudgetWorksheet& worksheet, int printedBudgets,
                  const Group& group) {
  PrintTitle(job, printedBudgets, group);
  job.SetWeight(700);
  const int W = job.W;
  const int a = job.a;
  const std::array<int, 5> stops = {W - 70 * a, W - 54 * a, W - 37 * a, W - 20 * a, W - 3 * a};

  std::vector<std::string> names = {""};
  std::vector<std::string> columns = {"TotalCost"};
  int position = 0;
  for (const CCropBudget* budget = worksheet.budgets.get(); budget; budget = budget->next.get()) {
    if (position >= group.first && position < group.first + group.count) {
      names.push_back(BudgetColumnName(*budget, position, "Crop "));
      columns.push_back("Distribution");
    }
    ++position;
  }
  job.Cells(names, stops, CPrintJob::CellFit::kFitColumn);
  job.Advance();
  job.SetUnderline(true);
  job.Label("Item", job.Cells(columns, stops, CPrintJob::CellFit::kKeepApart));
  job.Advance();
  job.SetUnderline(false);
  job.Advance();

  job.SetWeight(700);
  job.Text(job.x0, "OPERATING COSTS");
  job.Advance();
  PrintRecords(job, stops, worksheet.lists.pOperatingExpenses.get(), group);
  if (job.Room() < 3 * job.h) job.NewPage();
  job.Advance(2);
  if (job.Room() < 5 * job.h) job.NewPage();
  job.SetWeight(700);
  job.Text(job.x0, "OWNERSHIP COSTS");
  job.Advance();
  PrintRecords(job, stops, worksheet.lists.pOwnershipExpenses.get(), group);
}

}  // namespace

void PrintExpensePages(CPrintJob& job, const CBudgetWorksheet& worksheet) {
  const int printed = SlotsInUse(worksheet.CountBudgets());
  // Without a budget the section still shows, as a page with its title.
  if (printed == 0) {
    PrintTitle(job, printed, {});
    return;
  }
  for (int first = 0; first < printed; first += kBudgetsPerPageSet)
    PrintPageSet(job, worksheet, printed,
                 {first, std::min(kBudgetsPerPageSet, printed - first)});
}
