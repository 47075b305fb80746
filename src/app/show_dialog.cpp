#include "app/show_dialog.h"

#include <cstdint>

#include "platform/resource_ids.h"
#include "app/app_main.h"
#include "app/app_resources.h"
#include "app/document_title.h"
#include "app/interest_dialog.h"
#include "app/list_dialogs.h"
#include "app/not_available.h"
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
  const int result = App_Platform().RunModal(InterestDialogTemplate(), InterestDialogProc, &main,
                                             reinterpret_cast<std::intptr_t>(budget));
  // A new rate and term are the user's work: Exit must not lose them unasked.
  if (result == 1) SetDocumentModified();
  ShowCurrentTab(main);
  return result;
}

int ShowListDialog(Dialog& main, const DialogTemplate& dialog, const DialogProc& proc) {
  return App_Platform().RunModal(dialog, proc, &main, 0);
}

}  // namespace

int App_ShowDialog(int templateId, bool) {
  Dialog* main = App_GetMainWindow();
  if (!main) return -1;
  switch (templateId) {
    case kDialogInterest:
      return ShowInterestDialog(*main);
    case kDialogExpenses:
      return ShowListDialog(*main, ExpenseDialogTemplate(), ExpenseDialogProc);
    case kDialogVeterinary:
      return ShowListDialog(*main, VeterinaryDialogTemplate(), VeterinaryDialogProc);
    // Still to come; fromRow becomes their creation parameter.
    case kDialogMachine:
    case kDialogBuildings:
    case kDialogPurchasedLivestock:
    case kDialogRetainedLivestock:
      ShowNotYetAvailable();
      return -1;
    default:
      return -1;
  }
}
