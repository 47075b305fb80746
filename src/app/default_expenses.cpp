#include "app/default_expenses.h"

void App_SetDefaultExpenses(CBudgetWorksheet&) {}
