// The main window's commands: menu bar, popup menus and its buttons.
#include "app/about_dialog.h"
#include "app/analysis_window.h"
#include "platform/resource_ids.h"
#include "app/app_main.h"
#include "app/app_resources.h"
#include "app/file_commands.h"
#include "app/import_dialog.h"
#include "app/list_window.h"
#include "app/main_grid.h"
#include "app/main_window.h"
#include "app/popup_menus.h"
#include "app/print_commands.h"
#include "app/shell_open.h"
#include "app/show_dialog.h"
#include "app/tab_view.h"
#include "app/undo_history.h"
#include "document/budget_edit.h"
#include "document/worksheet_snapshot.h"
#include "grid/grid_engine.h"
#include "document/worksheet.h"
#include "platform/app_message.h"
#include "platform/platform.h"

namespace {

int TemplateOfViewCommand(int command) {
  for (const ListWindow* window : AllListWindows()) {
    if (window->menuCommand == command) return window->request;
  }
  return command == kCmdInterest ? kDialogInterest : 0;
}

void RowOperation(Dialog& window, int command) {
  CCropBudget* budget = CurrentBudget(window);
  GridEngine* grid = MainGrid(window);
  if (CurrentTab(window) == kSummaryTab) {
    App_MessageBox("Can't do row operations on summary tab");
  } else if (!budget || !grid) {
    App_MessageBox("NULL pBudget pointer doing row operation in MainDlgProc");
  } else {
    BudgetEditRecorder recorder(App_Document(), CurrentTab(window) - 1,
                                static_cast<int>(grid->SendMessage(GM_GETCURSORROW)));
    budget->HandleRowOperation(command, *grid);
    ShowCurrentTab(window);
    ShowAnalysis(budget, false, 0);
    RecordBudgetEdit(recorder, RowCommandName(command));
  }
}

// A budget's lines are work the user typed: they go only when the user says so.
// The last budget is refused before anything is asked.
bool MayDeleteBudget(const Dialog& window, int tab) {
  const CCropBudget* budget = CurrentBudget(window);
  if (App_Document().CountBudgets() < 2 || !budget || budget->CountLines(kAllSections) == 0) return true;
  return App_AskYesNo("Are you sure you want to delete the livestock tab \"" +
                      window.GetTabLabel(kIdcTabStrip, tab) + "\" and all of its lines?");
}

void DeleteCurrentTab(Dialog& window) {
  const int tab = CurrentTab(window);
  // The menu offers no deletion on the summary tab.
  if (tab <= kSummaryTab) return;
  if (!MayDeleteBudget(window, tab)) return;
  WorksheetSnapshot snapshot(App_Document(), BudgetRange::From(tab - 1));
  const bool deleted = App_Document().DeleteBudget(tab - 1);
  // The slots of the lists move even when no budget went.
  RecordWorksheetChange(snapshot, "Delete Tab");
  if (!deleted) return;
  RebuildTabs(window);
  ShowCurrentTab(window);
}

void InsertTabCommand(Dialog& window) {
  WorksheetSnapshot snapshot(App_Document(), BudgetRange::From(App_Document().CountBudgets()));
  InsertBudgetTab(window);
  // An empty budget is no work a save must keep.
  RecordWorksheetChange(snapshot, "Insert Tab", true);
}

void CopyCurrentTab(Dialog& window) {
  if (!App_Document().CopyTabToClipboard(&window, CurrentTab(window))) {
    App_MessageBox("The tab could not be copied to the clipboard.");
  }
}

void ShowPopupAtPointer(Dialog& window, const std::vector<MenuItem>& items) {
  int x = 0;
  int y = 0;
  App_Platform().CursorPosition(&x, &y);
  window.TrackPopupMenu(items, x, y);
}

}  // namespace

bool MainCommand(Dialog& window, int command) {
  if (command >= kCmdRecentFile1 && command <= kCmdRecentFile8) {
    OpenRecentWorksheet(window, command);
    return true;
  }
  switch (command) {
    case kCmdNew: NewWorksheet(window); return true;
    case kCmdOpen: OpenWorksheet(window); return true;
    case kCmdSave: SaveWorksheet(window); return true;
    case kCmdSaveAs: SaveWorksheetAs(window); return true;
    case kCmdExit: ExitProgram(window); return true;
    case kCmdInsertTab: InsertTabCommand(window); return true;
    case kCmdImport: App_ShowImport(window); return true;
    case kCmdPrint: PrintReportCommand(window); return true;
    case kCmdPrintTab: PrintCurrentTab(window); return true;
    case kCmdInterest:
    case kCmdExpenses:
    case kCmdMachinery:
    case kCmdBuildings:
    case kCmdVeterinary:
    case kCmdPurchasedLivestock:
    case kCmdRetainedLivestock:
      App_ShowDialog(TemplateOfViewCommand(command), false);
      return true;
    case kCmdAbout: App_ShowAbout(&window); return true;
    case kCmdUsersGuide: OpenUsersGuide(); return true;
    case kCmdDelete:
    case kCmdCopy:
    case kCmdCut:
    case kCmdPaste:
    case kCmdInsertLine:
    case kCmdAddHeading:
      RowOperation(window, command);
      return true;
    case kCmdBreakeven:
    case kCmdSensitivity:
      ShowAnalysis(CurrentBudget(window), true, command);
      return true;
    case kCmdShowTab:
    case kIdcRadioWholeFarm:
    case kIdcRadioOperating:
      ShowCurrentTab(window);
      return true;
    case kCmdDeleteTab: DeleteCurrentTab(window); return true;
    case kCmdUndo:
    case kCmdRedo:
      UndoCommandFrom(window, command);
      return true;
    case kCmdCopyTab: CopyCurrentTab(window); return true;
    case kIdcOptions: ShowPopupAtPointer(window, ViewMenu().submenu); return true;
    default: return false;
  }
}
