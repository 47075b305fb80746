#pragma once
// The printed report: the sections a caller asks for, in a fixed order, each
// from a new page and closed by the page footer, once per copy.

#include "reports/print_job.h"

class CBudgetWorksheet;
class CCropBudget;
class PlatformWindow;

// Section flags, in printing order; the windows that print share them.
enum PrintSection : int {
  kPrintWholeFarmSummary = 0x004,
  kPrintOperatingSummary = 0x400,
  kPrintExpenses = 0x008,
  kPrintMachinery = 0x020,
  kPrintBuildings = 0x040,
  kPrintVeterinary = 0x200,
  kPrintPurchasedLivestock = 0x080,
  kPrintRetainedLivestock = 0x100,
  kPrintBudgets = 0x001,
};

// The selector of the budget worksheets: every budget, or n (1 or more) for
// the n-th alone; 0 prints none.
inline constexpr int kPrintAllBudgets = -1;
// The selector of the machinery, building and livestock sections: the
// summary, the detail (also -1), or 2 + k for the distributions to budget k.
inline constexpr int kPrintListSummary = 0;
inline constexpr int kPrintListDetail = 1;
inline constexpr int kPrintListDistributions = 2;

// What to print: the sections, and the selectors of the budget worksheets
// and of the machinery, building and livestock sections. A caller with one
// selector gives it to both.
struct PrintSelection {
  int flags = 0;
  int budgets = kPrintAllBudgets;
  int lists = kPrintAllBudgets;  // as -1: the detail
};

// Shows the print dialog owned by the owner window and, if the user confirms,
// prints; false when the dialog was cancelled. A device that failed has
// told the user why.
bool PrintReport(CPrintJob& job, PlatformWindow* owner, CBudgetWorksheet& worksheet, int flags,
                 int selector);
// Prints on the job's device, every copy; false when the device failed.
bool PrintReportSections(CPrintJob& job, CBudgetWorksheet& worksheet,
                         const PrintSelection& selection);

// Closes every section, on its last page.
void PrintPageFooter(CPrintJob& job);
// The top of a budget page, after the new page.
void PrintBudgetHeader(CPrintJob& job, const CCropBudget& budget);
