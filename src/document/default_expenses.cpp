#include "document/worksheet.h"
#include "farm/expense_lists.h"
#include "platform/app_message.h"

int CBudgetWorksheet::SetDefaultExpenses() {
  if (lists.HasExpenseLists()) {
    App_MessageBox(
        "Called CBudgetWorksheet::SetDefaultExpenses with non-NULL pOperatingExpenses or "
        "pOwnershipExpenses.");
    return 0;
  }
  BuildDefaultExpenseLists(lists);
  return 1;
}

bool CBudgetWorksheet::HasExpenseItems() const { return ::HasExpenseItems(lists); }
