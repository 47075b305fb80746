#include "app/undo_history.h"

#include "app/app_main.h"
#include "app/app_state.h"
#include "app/help_message.h"
#include "app/analysis_window.h"
#include "app/main_grid.h"
#include "app/tab_view.h"
#include "document/budget_edit.h"
#include "document/worksheet.h"
#include "document/worksheet_snapshot.h"
#include "grid/grid_engine.h"
#include "platform/dialog.h"
#include "platform/resource_ids.h"

namespace {

void FollowHistory() {
  App_State().modified = App_UndoStack().IsModified();
  RefreshEditMenu();
}

std::string MenuText(std::string_view verb, const std::string& step, std::string_view key) {
  std::string text(verb);
  if (!step.empty()) text += " " + step;
  return text + "\t" + std::string(key);
}

// Brings the main window up to the document: the edited row alone when the
// step was a cell of the budget shown, else the tabs and the whole tab.
void ShowStep(const UndoScope& scope) {
  Dialog* main = App_GetMainWindow();
  if (!main) return;
  const int tab = scope.budget + 1;
  CCropBudget* budget = scope.budget >= 0 ? App_Document().GetBudget(scope.budget) : nullptr;
  GridEngine* grid = MainGrid(*main);
  if (budget && grid && scope.editedRow >= 0 && !scope.header && CurrentTab(*main) == tab) {
    budget->FillGridAfterEdit(*grid, scope.editedRow);
    QRN_SetHelpMessage(*main);
    ShowAnalysis(budget, false, 0);
    return;
  }
  RebuildTabs(*main);
  // The step's budget comes forward, so that the user sees what changed.
  if (budget) main->SetTabSelection(kIdcTabStrip, tab);
  ShowCurrentTab(*main);
}

// The grid of the window with the keyboard focus in a cell edit, if any.
GridEngine* GridBeingTyped(Dialog& window) {
  GridEngine* grid = window.GetGrid(window.GetFocusItem());
  return grid && grid->State().editing ? grid : nullptr;
}

}  // namespace

UndoStack& App_UndoStack() { return App_State().undo; }

void RecordStep(std::unique_ptr<UndoCommand> step) {
  if (!step) return;
  App_UndoStack().Push(std::move(step));
  FollowHistory();
}

void RecordBudgetEdit(BudgetEditRecorder& recorder, std::string text) {
  bool lost = false;
  std::unique_ptr<UndoCommand> step = recorder.Finish(std::move(text), &lost);
  if (lost) {
    // A change the recorder could not follow: the steps before it no longer fit.
    App_UndoStack().Clear();
    MarkDocumentChanged();
    return;
  }
  RecordStep(std::move(step));
}

void RecordWorksheetChange(WorksheetSnapshot& snapshot, std::string text, bool keepsFileMatch) {
  std::unique_ptr<UndoCommand> step = snapshot.Finish(App_Document(), std::move(text));
  if (step && keepsFileMatch) step->SetKeepsFileMatch();
  RecordStep(std::move(step));
}

void MarkDocumentClean(bool forget) {
  if (forget) {
    App_UndoStack().Clear();
  } else {
    App_UndoStack().SetClean();
  }
  FollowHistory();
}

void MarkDocumentChanged() {
  App_UndoStack().SetCleanUnreachable();
  FollowHistory();
}

bool UndoCommandFrom(Dialog& window, int command) {
  if (GridEngine* grid = GridBeingTyped(window)) {
    grid->KeyDown(GridKey::Escape);
    return false;
  }
  UndoStack& stack = App_UndoStack();
  const UndoCommand* step =
      command == kCmdUndo ? stack.Undo(App_Document()) : stack.Redo(App_Document());
  if (!step) return false;
  ShowStep(step->Scope());
  FollowHistory();
  return true;
}

void RefreshEditMenu() {
  Dialog* main = App_GetMainWindow();
  if (!main) return;
  const UndoStack& stack = App_UndoStack();
  main->SetMenuItem(kCmdUndo, MenuText("&Undo", stack.UndoText(), "Ctrl+Z"), stack.CanUndo());
  main->SetMenuItem(kCmdRedo, MenuText("&Redo", stack.RedoText(), "Ctrl+Y"), stack.CanRedo());
}
