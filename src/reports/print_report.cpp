#include "reports/print_report.h"

#include <array>

#include "document/worksheet.h"
#include "reports/print_sections.h"

namespace {

constexpr std::array<int, 9> kPrintingOrder = {
    kPrintWholeFarmSummary, kPrintOperatingSummary, kPrintExpenses,
    kPrintMachinery,        kPrintBuildings,        kPrintVeterinary,
    kPrintPurchasedLivestock, kPrintRetainedLivestock, kPrintBudgets};

void PrintBudgets(CPrintJob& job, CBudgetWorksheet& worksheet, int selector) {
  int number = 0;
  for (CCropBudget* budget = worksheet.budgets.get(); budget; budget = budget->next.get()) {
    ++number;
    if (selector != kPrintAllBudgets && selector != number) continue;
    PrintBudgetPage(job, *budget);
    PrintPageFooter(job);
  }
}

void PrintOneSection(CPrintJob& job, CBudgetWorksheet& worksheet, int flag,
                     const PrintSelection& selection) {
  switch (flag) {
    case kPrintWholeFarmSummary: PrintWholeFarmSummary(job, worksheet); break;
    case kPrintOperatingSummary: PrintOperatingCostSummary(job, worksheet); break;
    case kPrintExpenses: PrintExpensePages(job, worksheet); break;
    case kPrintVeterinary: PrintVeterinaryPages(job, worksheet); break;
    case kPrintBudgets: PrintBudgets(job, worksheet, selection.budgets); return;
    default: PrintCapitalListPages(job, worksheet, flag, selection.lists); break;
  }
  PrintPageFooter(job);
}

}  // namespace

bool PrintReport(CPrintJob& job, PlatformWindow* owner, CBudgetWorksheet& worksheet, int flags,
                 int selector) {
  if (!job.ChoosePrinter(owner)) return false;
  PrintReportSections(job, worksheet, {flags, selector, selector});
  return true;
}

bool PrintReportSections(CPrintJob& job, CBudgetWorksheet& worksheet,
                         const PrintSelection& selection) {
  while (job.NextCopy()) {
    job.ApplyFont();
    job.x0 = kLeftPosition;
    for (const int flag : kPrintingOrder)
      if (selection.flags & flag) PrintOneSection(job, worksheet, flag, selection);
  }
  return job.Succeeded();
}
