#include "app/default_expenses.h"

#include "document/worksheet.h"

void App_SetDefaultExpenses(CBudgetWorksheet& document) {
  if (document.lists.HasExpenseLists()) return;
  document.SetDefaultExpenses();
}
