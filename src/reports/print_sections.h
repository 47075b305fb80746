#pragma once
// The sections of the printed report, each from its new page up to, not
// including, its footer.

class CBudgetWorksheet;
class CCropBudget;
class CPrintJob;

void PrintWholeFarmSummary(CPrintJob& job, CBudgetWorksheet& worksheet);
void PrintOperatingCostSummary(CPrintJob& job, const CBudgetWorksheet& worksheet);
void PrintBudgetPage(CPrintJob& job, CCropBudget& budget);
void PrintExpensePages(CPrintJob& job, const CBudgetWorksheet& worksheet);
void PrintVeterinaryPages(CPrintJob& job, const CBudgetWorksheet& worksheet);
// flag: one of the machinery, building and livestock section flags.
void PrintCapitalListPages(CPrintJob& job, const CBudgetWorksheet& worksheet, int flag,
                           int selector);
