#include "app/show_dialog.h"

#include <cstdint>

#include "platform/resource_ids.h"
#include "app/app_main.h"
#include "app/app_resources.h"
#include "app/undo_history.h"
#include "document/worksheet.h"
#include "document/worksheet_snapshot.h"
#include "app/interest_dialog.h"
#include "app/list_window.h"
#include "app/tab_view.h"
#include "platform/app_message.h"
#include "platform/platform.h"

namespace {

int ShowInterestDialog(Dialog& main) {
  if (CurrentTab(main) == kSummaryTab) {
    App_MessageBox(
        "You must select a livestock budget tab to view/edit Operating Interest.\n\n"
        "Select a livestock tab and try again.");
    return -1;
  }
  CCropBudget* budget = CurrentBudget(main);
  if (!budget) {
    App_MessageBox("NULL lParam in App_ShowDialog - IDD_INTEREST");
    return -1;
  }
  WorksheetSnapshot snapshot(App_Document(), BudgetRange::From(CurrentTab(main) - 1));
  const int result = App_Platform().RunModal(InterestDialogTemplate(), InterestDialogProc, &main,
                                             reinterpret_cast<std::intptr_t>(budget));
  ShowCurrentTab(main);
  // A new rate and term are the user's work: Exit must not lose them unasked.
  if (result == 1) RecordWorksheetChange(snapshot, "Operating Interest");
  return result;
}

}  // namespace

int App_ShowDialog(int templateId, bool fromRow) {
  Dialog* main = App_GetMainWindow();
  if (!main) return -1;
  if (templateId == kDialogInterest) return ShowInterestDialog(*main);
  if (const ListWindow* window = FindListWindow(templateId)) {
    // From a budget's calculated row, a window with budget tabs shows that budget's.
    const int tab = fromRow && window->opensBudgetTab ? CurrentTab(*main) + 1 : 0;
    return ShowListWindow(*window, *main, tab);
  }
  return -1;
}
