#include "app/print_commands.h"

#include "app/app_main.h"
#include "app/app_state.h"
#include "app/document_title.h"
#include "app/print_report_dialog.h"
#include "app/tab_view.h"
#include "document/worksheet.h"
#include "platform/dialog.h"
#include "platform/resource_ids.h"
#include "reports/print_report.h"

namespace {

// The sections whose lists hold nothing to print.
int EmptyListSections(const CBudgetWorksheet& worksheet) {
  const WholeFarmLists& lists = worksheet.lists;
  int empty = 0;
  if (!lists.pMachinery) empty |= kPrintMachinery;
  if (!lists.pBuildings) empty |= kPrintBuildings;
  if (!worksheet.HasExpenseItems()) empty |= kPrintExpenses;
  if (!lists.pVeterinaryCosts) empty |= kPrintVeterinary;
  if (!lists.pPurchasedLivestock) empty |= kPrintPurchasedLivestock;
  if (!lists.pRetainedLivestock) empty |= kPrintRetainedLivestock;
  return empty;
}

}  // namespace

void App_Print(PlatformWindow* owner, int flags, int selector) {
  CPrintJob job({GetDocumentFileName(), GetDocumentDate()});
  PrintReport(job, owner, App_Document(), flags, selector);
}

void PrintReportCommand(Dialog& main) {
  int& remembered = App_State().printFlags;
  // Their boxes open clear, and what was taken out goes back afterwards, so
  // the selection stays the user's once the lists are filled.
  const int removed = remembered & EmptyListSections(App_Document());
  remembered &= ~removed;
  const int flags = App_ChooseReportSections(&main);
  remembered |= removed;
  if (flags > 0) App_Print(&main, flags, kPrintAllBudgets);
}

void PrintCurrentTab(Dialog& main) {
  const int tab = CurrentTab(main);
  if (tab != kSummaryTab) {
    App_Print(&main, kPrintBudgets, tab);
    return;
  }
  const bool operating = main.IsItemChecked(kIdcRadioOperating);
  App_Print(&main, kPrintWholeFarmSummary | (operating ? kPrintOperatingSummary : 0),
            kPrintAllBudgets);
}
