#include "app/file_commands.h"

#include <string>

#include "platform/resource_ids.h"
#include "app/app_main.h"
#include "app/app_state.h"
#include "app/auto_recovery.h"
#include "app/default_expenses.h"
#include "app/document_title.h"
#include "app/main_grid.h"
#include "app/recent_files.h"
#include "app/tab_view.h"
#include "app/undo_history.h"
#include "document/worksheet.h"
#include "platform/app_message.h"
#include "platform/platform.h"

namespace {

FileDialogOptions DocumentFileOptions() {
  FileDialogOptions options;
  options.filterName = std::string(kDocumentFilter);
  options.pattern = "*." + std::string(kDocumentExtension);
  options.defaultExtension = std::string(kDocumentExtension);
  return options;
}

// Where a file dialog starts: at the worksheet's own file, else in the user's
// documents folder, proposing a name to save under.
std::string StartingPath(bool save) {
  const AppState& state = App_State();
  if (state.hasFileName) return state.documentPath;
  const std::string folder = App_Platform().DocumentsFolder();
  return save ? folder + "Untitled." + std::string(kDocumentExtension) : folder;
}

// Unsaved work goes only when the user says so.
bool MayDiscardChanges(std::string_view question) {
  return !App_IsModified() || App_AskYesNo(question);
}

// A save that did not write the file keeps the name, caption and modified flag.
void SaveTo(const std::string& path) {
  if (!App_Document().Save(path)) return;
  SetDocumentTitle(path);
  App_DiscardRecovery();
  App_DiscardDeclinedRecoveries();
  App_AddRecentFile(path);
}

// The document a file dialog or a recent-file item chose, in place of the
// current one; the tabs start over either way.
void ShowOpenedDocument(Dialog& window, bool chosen, const std::string& path) {
  const bool refreshed = chosen && OpenDocumentFile(path);
  ResetGridScrollMemory();
  RebuildTabs(window);
  ShowFirstBudget(window);
  if (refreshed) MarkDocumentChanged();
  window.Repaint();
}

constexpr std::string_view kOpenDiscardsQuestion =
    "Are you sure you want to open a file without saving your current work?";

}  // namespace

bool OpenDocumentFile(const std::string& path) {
  App_DiscardRecovery();
  CBudgetWorksheet& document = App_Document();
  MarkDocumentClean(true);
  // A failed open leaves an emptied worksheet: it must not keep the old file's
  // name, or the next Save would overwrite that file with it.
  if (!document.Open(path)) {
    SetDocumentTitle();
    return false;
  }
  SetDocumentTitle(path);
  App_AddRecentFile(path);
  return document.RefreshOperatingInterest();
}

void NewWorksheet(Dialog& window) {
  if (!MayDiscardChanges(
          "Are you sure you want to start a new file without saving your current work?")) {
    return;
  }
  App_DiscardRecovery();
  CBudgetWorksheet& document = App_Document();
  document.Clear();
  App_SetDefaultExpenses(document);
  InsertBudgetTab(window);
  ResetGridScrollMemory();
  RebuildTabs(window);
  SetDocumentTitle();
  MarkDocumentClean(true);
}

void OpenWorksheet(Dialog& window) {
  if (!MayDiscardChanges(kOpenDiscardsQuestion)) return;
  std::string path = StartingPath(false);
  const bool chosen = App_Platform().ChooseOpenFile(&window, DocumentFileOptions(), &path);
  ShowOpenedDocument(window, chosen, path);
}

void OpenRecentWorksheet(Dialog& window, int command) {
  const std::string path = App_TakeRecentFile(window, command);
  if (path.empty() || !MayDiscardChanges(kOpenDiscardsQuestion)) return;
  ShowOpenedDocument(window, true, path);
}

void SaveWorksheet(Dialog& window) {
  const AppState& state = App_State();
  if (state.hasFileName) {
    SaveTo(state.documentPath);
  } else {
    SaveWorksheetAs(window);
  }
}

void SaveWorksheetAs(Dialog& window) {
  std::string path = StartingPath(true);
  if (App_Platform().ChooseSaveFile(&window, DocumentFileOptions(), &path)) SaveTo(path);
}

void ExitProgram(Dialog& window) {
  if (!MayDiscardChanges("Are you sure you want to close this program without saving changes?")) {
    return;
  }
  window.EndDialog(0);
}

void InsertBudgetTab(Dialog& window) {
  const int position = App_Document().CountBudgets();
  App_Document().GetBudget(position, true);
  window.InsertTab(kIdcTabStrip, position + 1, "");
  window.SetTabSelection(kIdcTabStrip, position + 1);
  window.SetFocusItem(kIdcEditIdOrName);
  ShowCurrentTab(window);
}

void ShowFirstBudget(Dialog& window) {
  if (App_Document().CountBudgets() == 0) {
    InsertBudgetTab(window);
    return;
  }
  window.SetTabSelection(kIdcTabStrip, 1);
  window.SetFocusItem(kIdcEditIdOrName);
  ShowCurrentTab(window);
}
