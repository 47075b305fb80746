#include "app/list_dialogs.h"
#include "app/whole_farm_dialog.h"
#include "platform/clipboard_transfer.h"
#include "document/worksheet.h"
#include "farm/list_row_operation.h"
#include "reports/whole_farm_text.h"

namespace {

constexpr int kFirstDistributionColumn = 3;

bool HasRowLink(CBudgetWorksheet& document, int row) {
  return document.GetExpenseRowLink(row) != nullptr;
}

ListCellEdit EditCell(CBudgetWorksheet& document, int row, int col, std::string_view text) {
  ListCellEdit edit;
  std::unique_ptr<CExpenseLne>* link = document.GetExpenseRowLink(row);
  edit.linked = link != nullptr;
  const CExpenseLne* line = link ? EditListCell(*link, col, text, &edit.problem) : nullptr;
  edit.changed = line != nullptr;
  // Exactly 100 % is a whole line distributed, and passes.
  edit.overDistributed = line && col >= kFirstDistributionColumn &&
                         line->GetTotalDistribution(document.CountBudgets()) > 100;
  return edit;
}

const WholeFarmWindow kExpenseWindow = {
    "General Farm/Ranch Expenses",
    "First, enter the item name and/or heading in the Item column.  Next, "
    "enter a value in the Total Cost column and allocate to appropriate "
    "budgets by entering percentages in the Distribution column(s).\n"
    "Click the \"Copy Values to Worksheet\" button to copy values to budget worksheets.\n"
    "Right-click on the grid to add/delete lines, to add/delete headings and for other options.",
    "NULL pParent pointer in editing Farm Expense grid",
    "Copy Expenses to Clipboard",
    "Print Expenses",
    kFormatExpense,
    &CBudgetWorksheet::SetUpExpenseGrid,
    &CBudgetWorksheet::FillExpenseGrid,
    HasRowLink,
    EditCell,
    &CBudgetWorksheet::HandleExpenseRowOperation,
    CopyExpensesToClipboard,
    &CBudgetWorksheet::SetCalculatedExpenseValues,
};

}  // namespace

int ExpenseDialogProc(Dialog& dialog, const DialogEvent& event) {
  return WholeFarmDialogProc(kExpenseWindow, dialog, event);
}
