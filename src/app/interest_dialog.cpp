#include "app/interest_dialog.h"

#include <map>
#include <string>

#include "platform/resource_ids.h"
#include "app/app_main.h"
#include "app/window_geometry.h"
#include "model/crop_budget.h"
#include "text/money.h"
#include "platform/app_message.h"

namespace {

constexpr int kRateChars = 15;
constexpr int kMonthsLow = 0;
constexpr int kMonthsHigh = 12;
constexpr int kMonthsStart = 5;

constexpr std::string_view kInstructions =
    "Specify an interest rate and the number of months on average that operating funds "
    "are borrowed and the program will calculate operating interest based on these values "
    "and the operating expense found in the livestock worksheet.\n\n"
    "Operating interest will automatically recalculate whenever the operating expenses are "
    "changed.\n\n"
    "Click 'Copy Value to Worksheet' to enter the calculated operating interest in the budget "
    "worksheet.";

// The budget each open interest dialog edits.
std::map<const Dialog*, CCropBudget*>& Budgets() {
  static std::map<const Dialog*, CCropBudget*> budgets;
  return budgets;
}

std::string PositiveOrEmpty(double value) { return value > 0 ? FormatPlain(value) : std::string(); }

void Close(Dialog& dialog, int result) {
  Budgets().erase(&dialog);
  dialog.EndDialog(result);
}

void Initialise(Dialog& dialog, CCropBudget* budget) {
  CenterWindow(dialog, App_GetMainWindow());
  dialog.SetItemLimit(kIdcInterestRate, kRateChars);
  dialog.SetUpDownRange(kIdcInterestSpin, kMonthsLow, kMonthsHigh);
  dialog.SetUpDownPosition(kIdcInterestSpin, kMonthsStart);
  if (!budget) {
    App_MessageBox("NULL pBudget pointer in InterestDialogProc WM_INITDIALOG");
    dialog.EndDialog(0);
    return;
  }
  Budgets()[&dialog] = budget;
  dialog.SetItemText(kIdcInterestBudget, budget->GetDisplayName());
  dialog.SetItemText(kIdcInterestRate, PositiveOrEmpty(budget->interestRate));
  dialog.SetItemText(kIdcInterestMonths, PositiveOrEmpty(budget->interestTerm));
  dialog.SetItemText(kIdcInterestText, kInstructions);
}

void CopyToWorksheet(Dialog& dialog) {
  const auto found = Budgets().find(&dialog);
  if (found == Budgets().end()) return;
  CCropBudget& budget = *found->second;
  // A refused value has been reported; the typed text stays for correcting.
  if (!budget.SetInterestFromDialog(dialog)) return;
  budget.UpdateOperatingInterest(true);
  Close(dialog, 1);
}

}  // namespace

int InterestDialogProc(Dialog& dialog, const DialogEvent& event) {
  switch (event.kind) {
    case DialogEventKind::kInit:
      Initialise(dialog, reinterpret_cast<CCropBudget*>(event.param));
      return 1;
    case DialogEventKind::kCommand:
      if (event.id == kIdOk) {
        CopyToWorksheet(dialog);
        return 1;
      }
      if (event.id == kIdCancel) {
        Close(dialog, 0);
        return 1;
      }
      return 0;
    case DialogEventKind::kClose:
      Close(dialog, 0);
      return 1;
    case DialogEventKind::kDestroy:
      Budgets().erase(&dialog);
      return 1;
    default:
      return 0;
  }
}
