// The general farm expense window (template 121): both expense lists in one grid.
#include "app/app_resources.h"
#include "app/list_windows.h"
#include "farm/expense_lists.h"
#include "model/budget_line.h"
#include "platform/resource_ids.h"
#include "reports/print_report.h"
#include "reports/whole_farm_text.h"

namespace {

constexpr int kSources[] = {kSourceExpense};

std::string RenderText(const CBudgetWorksheet& worksheet, int) {
  return RenderExpenseText(worksheet);
}

}  // namespace

const ListWindow kExpenseWindow = {
    .request = kDialogExpenses,
    .menuCommand = kCmdExpenses,
    .sources = kSources,
    .exportName = "expenses",
    .dialogTemplate = ExpenseDialogTemplate,
    .gridId = kIdcListGrid,
    .caption = "General Farm/Ranch Expenses",
    .instructions =
        "First, enter the item name and/or heading in the Item column.  Next, "
        "enter a value in the Total Cost column and allocate to appropriate "
        "budgets by entering percentages in the Distribution column(s).\n"
        "Click the \"Copy Values to Worksheet\" button to copy values to budget worksheets.\n"
        "Right-click on the grid to add/delete lines, to add/delete headings and for other "
        "options.",
    .insertMenuText = "Insert New Line",
    .offersHeadings = true,
    .copyMenuText = "Copy Expenses to Clipboard",
    .printMenuText = "Print Expenses",
    .printFlag = kPrintExpenses,
    .makeGrid = MakeExpenseGrid,
    .renderText = RenderText,
};
