#include "app/import_dialog.h"

#include <filesystem>
#include <map>
#include <memory>

#include "app/app_main.h"
#include "app/app_resources.h"
#include "app/app_state.h"
#include "app/command_line.h"
#include "app/undo_history.h"
#include "app/tab_view.h"
#include "app/window_geometry.h"
#include "document/budget_import.h"
#include "document/worksheet.h"
#include "document/worksheet_snapshot.h"
#include "platform/app_message.h"
#include "platform/platform.h"
#include "platform/resource_ids.h"

namespace {

namespace fs = std::filesystem;

// The document each open import dialog reads its budgets from.
std::map<const Dialog*, std::unique_ptr<CBudgetWorksheet>>& Sources() {
  static std::map<const Dialog*, std::unique_ptr<CBudgetWorksheet>> sources;
  return sources;
}

CBudgetWorksheet* SourceOf(const Dialog& dialog) {
  const auto found = Sources().find(&dialog);
  return found != Sources().end() ? found->second.get() : nullptr;
}

bool IsFile(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

void LoadList(Dialog& dialog, const std::string& path) {
  dialog.ResetItems(kIdcImportList);
  std::string status = "No file read";
  CBudgetWorksheet* source = SourceOf(dialog);
  if (source != nullptr && source->Open(path)) {
    status = "Budgets to import from '" + FileNamePart(path) + "'";
    for (int i = 0; i < source->CountBudgets(); ++i) {
      const CCropBudget& budget = *source->GetBudget(i);
      dialog.AddItemString(kIdcImportList, budget.publicationId + "\t" + budget.title);
    }
  }
  dialog.SetItemText(kIdcImportStatus, status);
}

// While the dialog is being created nobody has seen it yet: a cancelled
// choice then ends it unseen.
void ChooseOtherFile(Dialog& dialog, bool creating) {
  FileDialogOptions options;
  options.title = "File to Import";
  std::string path;
  if (App_Platform().ChooseOpenFile(&dialog, options, &path)) {
    LoadList(dialog, path);
  } else if (creating) {
    dialog.EndDialog(0);
  }
}

bool AnySelected(const Dialog& dialog, int count) {
  for (int i = 0; i < count; ++i)
    if (dialog.IsItemSelected(kIdcImportList, i)) return true;
  return false;
}

void ImportSelected(Dialog& dialog) {
  const int count = dialog.CountItemStrings(kIdcImportList);
  if (count == 0) {
    App_MessageBox("List is empty, no budgets to import.");
    return;
  }
  if (!AnySelected(dialog, count)) {
    App_MessageBox("No budgets selected. Click on the budgets in the list you want to import.");
    return;
  }
  CBudgetWorksheet* source = SourceOf(dialog);
  Dialog* main = App_GetMainWindow();
  // The budgets chosen together come in, and go out again, as one step.
  WorksheetSnapshot snapshot(App_Document(), BudgetRange::From(App_Document().CountBudgets()));
  for (int i = 0; i < count; ++i) {
    const CCropBudget* budget = source != nullptr ? source->GetBudget(i) : nullptr;
    if (budget == nullptr) {
      App_MessageBox("NULL pSourceBudget pointer in ImportDialogProc ID_OK");
      break;
    }
    if (!dialog.IsItemSelected(kIdcImportList, i)) continue;
    const int position = App_Document().CountBudgets();
    AppendBudgetCopy(App_Document(), *budget);
    if (main != nullptr) {
      RebuildTabs(*main);
      SelectTab(*main, position + 1);
    }
    dialog.SetItemSelected(kIdcImportList, i, false);
  }
  // Unlike a new empty tab, imported budgets are work a save must not lose.
  RecordWorksheetChange(snapshot, "Import");
}

void Initialise(Dialog& dialog) {
  CenterWindow(dialog, App_GetMainWindow());
  Sources()[&dialog] = std::make_unique<CBudgetWorksheet>();
  dialog.SetItemText(kIdcImportStatus, "Livestock budgets to import");
  const std::string found = FindImportTemplate(App_State().programFolder);
  if (found.empty()) {
    ChooseOtherFile(dialog, true);
  } else {
    LoadList(dialog, found);
  }
}

}  // namespace

std::string FindImportTemplate(const std::string& programFolder) {
  const std::string besideProgram = programFolder + std::string(kImportTemplateName);
  if (IsFile(besideProgram)) return besideProgram;
  std::error_code error;
  const fs::path current = fs::current_path(error);
  if (error) return {};
  const std::string inCurrent = (current / kImportTemplateName).string();
  return IsFile(inCurrent) ? inCurrent : std::string();
}

int ImportDialogProc(Dialog& dialog, const DialogEvent& event) {
  switch (event.kind) {
    case DialogEventKind::kInit:
      Initialise(dialog);
      return 1;
    case DialogEventKind::kCommand:
      if (event.id == kIdOk ||
          (event.id == kIdcImportList && event.code == kNotifyDoubleClick)) {
        ImportSelected(dialog);
        return 1;
      }
      if (event.id == kIdcImportOtherFiles) {
        ChooseOtherFile(dialog, false);
        return 1;
      }
      if (event.id == kIdCancel) {
        dialog.EndDialog(0);
        return 1;
      }
      return 0;
    case DialogEventKind::kClose:
      dialog.EndDialog(0);
      return 1;
    case DialogEventKind::kDestroy:
      Sources().erase(&dialog);
      return 1;
    default:
      return 0;
  }
}

void App_ShowImport(Dialog& owner) {
  App_Platform().RunModal(ImportDialogTemplate(), ImportDialogProc, &owner, 0);
}
