#include "app/tab_view.h"

#include <algorithm>
#include <array>

#include "app/analysis_window.h"
#include "platform/resource_ids.h"
#include "app/app_main.h"
#include "app/app_state.h"
#include "app/help_message.h"
#include "app/main_grid.h"
#include "app/summary_tab.h"
#include "document/worksheet.h"
#include "platform/app_message.h"
#include "platform/dialog.h"

namespace {

constexpr int kBudgetIdEditChars = 12;

enum class TabKind { kBudget, kSummary, kInvalid };

struct SwitchableControl {
  int id;
  bool onBudget;
  bool onSummary;
};

constexpr std::array<SwitchableControl, 16> kSwitchable = {{
    {kIdcLabelId, true, true},
    {kIdcEditIdOrName, true, true},
    {kIdcLabelTitle, true, true},
    {kIdcEditTitleOrPhone, true, true},
    {kIdcLabelHerdUnit, true, true},
    {kIdcComboHerdUnit, true, false},
    {kIdcEditAddress, false, true},
    {kIdcLabelUnits, true, false},
    {kIdcEditUnits, true, false},
    {kIdcLabelFootnote, true, false},
    {kIdcEditFootnote, true, false},
    {kIdcRadioWholeFarm, false, true},
    {kIdcRadioOperating, false, true},
    {kIdcOptions, true, false},
    {kIdcMachineButton, false, false},
    {kIdcExpensesButton, false, false},
}};

void ShowControlsFor(Dialog& window, TabKind kind) {
  for (const SwitchableControl& control : kSwitchable) {
    const bool show = (kind == TabKind::kBudget && control.onBudget) ||
                      (kind == TabKind::kSummary && control.onSummary);
    window.ShowItem(control.id, show);
  }
}

// The ID edit and the top of the instruction box follow the header above them.
void PlaceHeader(Dialog& window, PixelRect idEdit, int instructionsTop) {
  window.MoveItem(kIdcEditIdOrName, idEdit);
  PixelRect instructions = window.GetItemRect(kIdcInstructions);
  instructions.top = instructionsTop;
  window.MoveItem(kIdcInstructions, instructions);
}

void ShowBudgetTab(Dialog& window, CCropBudget& budget, int tab) {
  const LayoutUnits& units = App_LayoutUnits();
  budget.ShowHeader(window, tab, false);
  if (GridEngine* grid = MainGrid(window)) budget.FillGrid(*grid);
  ShowAnalysis(&budget, false, 0);
  window.SetItemLimit(kIdcEditIdOrName, kBudgetIdEditChars);
  PixelRect idEdit = window.GetItemRect(kIdcEditIdOrName);
  idEdit.right = idEdit.left + kBudgetIdEditChars * units.charWidth;
  PlaceHeader(window, idEdit,
              window.GetItemRect(kIdcEditFootnote).bottom + 2 * units.charHeight);
  window.SetItemText(kIdcLabelHerdUnit, "Specify Herd Unit");
}

void ShowSummaryTab(Dialog& window) {
  const LayoutUnits& units = App_LayoutUnits();
  CBudgetWorksheet& document = App_Document();
  window.SetItemText(kIdcLabelHerdUnit, "Address");
  ShowSummaryFields(document, window);
  if (GridEngine* grid = MainGrid(window)) {
    FillSummaryGrid(document, *grid, window.IsItemChecked(kIdcRadioOperating));
  }
  ShowAnalysis(nullptr, false, 0);
  window.SetItemLimit(kIdcEditIdOrName, static_cast<int>(kDocumentNameChars));
  PixelRect idEdit = window.GetItemRect(kIdcEditIdOrName);
  idEdit.right = window.GetItemRect(kIdcEditTitleOrPhone).right;
  PlaceHeader(window, idEdit,
              window.GetItemRect(kIdcRadioOperating).bottom + 2 * units.charHeight);
}

}  // namespace

int CurrentTab(const Dialog& window) { return window.GetTabSelection(kIdcTabStrip); }

CCropBudget* CurrentBudget(const Dialog& window) {
  const int tab = CurrentTab(window);
  return tab > kSummaryTab ? App_Document().GetBudget(tab - 1) : nullptr;
}

bool IsValidTab(int tab) { return tab >= 0 && tab <= App_Document().CountBudgets(); }

void ShowCurrentTab(Dialog& window) {
  const int tab = CurrentTab(window);
  TabKind kind = TabKind::kInvalid;
  CCropBudget* budget = CurrentBudget(window);
  if (!IsValidTab(tab)) {
    App_MessageBoxF("Invalid tab %d", tab);
  } else if (tab == kSummaryTab) {
    kind = TabKind::kSummary;
    ShowSummaryTab(window);
  } else if (budget) {
    kind = TabKind::kBudget;
    ShowBudgetTab(window, *budget, tab);
  }
  ShowControlsFor(window, kind);
  QRN_SetHelpMessage(window);
}

void RebuildTabs(Dialog& window) {
  const int selected = CurrentTab(window);
  window.DeleteAllTabs(kIdcTabStrip);
  window.InsertTab(kIdcTabStrip, 0, "Summary");
  int tab = 1;
  for (const CCropBudget* budget = App_Document().budgets.get(); budget;
       budget = budget->next.get(), ++tab) {
    window.InsertTab(kIdcTabStrip, tab, budget->GetFieldText(kIdcEditIdOrName));
  }
  const int count = window.CountTabs(kIdcTabStrip);
  window.SetTabSelection(kIdcTabStrip, selected >= 0 && selected < count ? selected : count - 1);
}

void SelectTab(Dialog& window, int tab) {
  window.SetTabSelection(kIdcTabStrip, tab);
  ShowCurrentTab(window);
}

void LayoutMainWindow(Dialog& window) {
  const LayoutUnits& units = App_LayoutUnits();
  const PixelRect client = window.GetClientRect();
  PixelRect tabs = window.GetItemRect(kIdcTabStrip);
  tabs.right = tabs.left + std::max(0, client.Width() - 2 * units.charWidth);
  tabs.bottom = tabs.top + std::max(0, client.Height() - units.charHeight);
  window.MoveItem(kIdcTabStrip, tabs);

  PixelRect grid = window.GetItemRect(kIdcGrid);
  grid.right = std::max(grid.left, tabs.right - units.charWidth);
  grid.bottom = std::max(grid.top, tabs.bottom - units.charWidth);
  window.MoveItem(kIdcGrid, grid);

  PixelRect instructions = window.GetItemRect(kIdcInstructions);
  instructions.bottom = std::max(instructions.top, tabs.bottom - units.charWidth);
  window.MoveItem(kIdcInstructions, instructions);
}
