// What the main window does when its grid, header edits or herd unit box change.
#include <string>

#include "app/analysis_window.h"
#include "platform/resource_ids.h"
#include "app/app_main.h"
#include "app/app_state.h"
#include "app/help_message.h"
#include "app/list_window.h"
#include "app/main_grid.h"
#include "app/main_window.h"
#include "app/popup_menus.h"
#include "app/show_dialog.h"
#include "app/tab_view.h"
#include "app/undo_history.h"
#include "document/budget_edit.h"
#include "document/document_field_edit.h"
#include "text/utf8_text.h"
#include "document/worksheet.h"
#include "grid/grid_engine.h"
#include "platform/app_message.h"
#include "platform/clipboard_transfer.h"
#include "platform/platform.h"

namespace {

constexpr std::size_t kHeaderTextChars = 512;

// Notifications for a tab that stands for nothing are reported and dropped.
bool CheckTab(const Dialog& window) {
  const int tab = CurrentTab(window);
  if (IsValidTab(tab)) return true;
  App_MessageBoxF("Invalid tab %d", tab);
  return false;
}

// The window of the dialog a calculated row came from.
int TemplateOfSource(std::int32_t source, bool* fromRow) {
  *fromRow = false;
  if (source == kSourceInterest) return kDialogInterest;
  for (const ListWindow* window : AllListWindows()) {
    for (const int own : window->sources) {
      if (own != source) continue;
      *fromRow = window->opensBudgetTab;
      return window->request;
    }
  }
  return 0;
}

void GridEditEnded(Dialog& window, GridEngine& grid, std::intptr_t cell) {
  if (CurrentTab(window) == kSummaryTab) {
    App_MessageBox("Cannot write to Summary grid");
    return;
  }
  CCropBudget* budget = CurrentBudget(window);
  if (!budget) return;
  const int row = PackedRow(cell);
  const int col = PackedCol(cell);
  BudgetEditRecorder recorder(App_Document(), CurrentTab(window) - 1, row);
  recorder.SetEditedRow(row);
  std::string message;
  budget->SetValue(row, col, GetGridCellText(grid, row, col), &message);
  if (!message.empty()) App_MessageBox(message);
  budget->FillGridAfterEdit(grid, row);
  QRN_SetHelpMessage(window);
  ShowAnalysis(budget, false, 0);
  RecordBudgetEdit(recorder, "Typing");
}

void GridContextMenu(Dialog& window, GridEngine& grid) {
  CCropBudget* budget = CurrentBudget(window);
  if (!budget) return;
  const int row = static_cast<int>(grid.SendMessage(GM_GETCURSORROW));
  if (!budget->GetLineSlot(row)) return;
  std::vector<MenuItem>& menu = App_State().popupMenu;
  RowMenuTexts texts;
  texts.recordFormat = kFormatBudgetLine;
  menu = BuildRowMenu(texts);
  int x = 0;
  int y = 0;
  App_Platform().CursorPosition(&x, &y);
  window.TrackPopupMenu(menu, x, y);
}

void GridDoubleClicked(Dialog& window, std::intptr_t cell) {
  CCropBudget* budget = CurrentBudget(window);
  if (!budget) return;
  const LineSlot* slot = budget->GetLineSlot(PackedRow(cell));
  if (!slot || !*slot || !(*slot)->IsCalculated()) return;
  bool fromRow = false;
  const int templateId = TemplateOfSource((*slot)->source, &fromRow);
  if (templateId != 0) App_ShowDialog(templateId, fromRow);
}

bool FromGrid(Dialog& window, const DialogEvent& event) {
  if (event.code != GN_EDITEND && event.code != GN_CONTEXTMENU && event.code != GN_DBLCLICK) {
    return false;
  }
  GridEngine* grid = MainGrid(window);
  if (!grid || !CheckTab(window)) return true;
  if (event.code == GN_EDITEND) {
    GridEditEnded(window, *grid, event.param);
  } else if (event.code == GN_CONTEXTMENU) {
    GridContextMenu(window, *grid);
  } else {
    GridDoubleClicked(window, event.param);
  }
  return true;
}

void HeaderEdited(Dialog& window, int id) {
  if (!window.GetItemModified(id)) return;
  window.SetItemModified(id, false);
  if (!CheckTab(window)) return;
  const std::string text(FirstChars(window.GetItemText(id), kHeaderTextChars));
  const int tab = CurrentTab(window);
  if (tab == kSummaryTab) {
    CBudgetWorksheet& document = App_Document();
    std::string before = DocumentFieldEdit::Field(document, id);
    document.SetField(id, text);
    auto step = std::make_unique<DocumentFieldEdit>(document, id, std::move(before));
    if (!step->ChangesNothing()) RecordStep(std::move(step));
  } else if (CCropBudget* budget = CurrentBudget(window)) {
    BudgetEditRecorder recorder(App_Document(), tab - 1, -1);
    recorder.SetMergeField(id);
    // A number that cannot be read is taken as the parse gives it, unannounced.
    std::string ignored;
    budget->SetValue(id, 0, text, &ignored);
    if (id == kIdcEditIdOrName) budget->ShowHeader(window, tab, true);
    if (id == kIdcEditUnits) {
      if (GridEngine* grid = MainGrid(window)) budget->FillGrid(*grid);
    }
    ShowAnalysis(budget, false, 0);
    RecordBudgetEdit(recorder, "Typing");
  }
  QRN_SetHelpMessage(window);
}

void HerdUnitChanged(Dialog& window, int code) {
  if (!CheckTab(window)) return;
  CCropBudget* budget = CurrentBudget(window);
  if (!budget) return;
  std::string text;
  if (code == kNotifySelChange) {
    const int selected = window.GetItemSelection(kIdcComboHerdUnit);
    if (selected < 0) return;
    text = window.GetItemString(kIdcComboHerdUnit, selected);
  } else {
    text = window.GetItemText(kIdcComboHerdUnit);
  }
  BudgetEditRecorder recorder(App_Document(), CurrentTab(window) - 1, -1);
  if (code == kNotifyComboEditUpdate) recorder.SetMergeField(kIdcComboHerdUnit);
  std::string message;
  budget->SetValue(kIdcComboHerdUnit, 0, text, &message);
  if (GridEngine* grid = MainGrid(window)) budget->FillGrid(*grid);
  ShowAnalysis(budget, false, 0);
  RecordBudgetEdit(recorder, code == kNotifyComboEditUpdate ? "Typing" : "Herd Unit");
  QRN_SetHelpMessage(window);
}

}  // namespace

bool MainNotification(Dialog& window, const DialogEvent& event) {
  switch (event.id) {
    case kIdcGrid:
      return FromGrid(window, event);
    case kIdcEditIdOrName:
    case kIdcEditTitleOrPhone:
    case kIdcEditUnits:
    case kIdcEditFootnote:
    case kIdcEditAddress:
      if (event.code != kNotifyEditUpdate) return false;
      HeaderEdited(window, event.id);
      return true;
    case kIdcComboHerdUnit:
      if (event.code != kNotifySelChange && event.code != kNotifyComboEditUpdate) return false;
      HerdUnitChanged(window, event.code);
      return true;
    default:
      return false;
  }
}
