#include "app/list_window.h"

#include <algorithm>
#include <array>

#include "app/app_main.h"
#include "app/app_state.h"
#include "app/popup_menus.h"
#include "app/print_commands.h"
#include "app/tab_view.h"
#include "app/undo_history.h"
#include "app/window_geometry.h"
#include "document/worksheet.h"
#include "document/worksheet_snapshot.h"
#include "farm/budget_column_name.h"
#include "farm/distribution.h"
#include "grid/grid_engine.h"
#include "platform/app_message.h"
#include "platform/clipboard_transfer.h"
#include "platform/platform.h"
#include "platform/resource_ids.h"
#include "reports/clipboard_copy.h"
#include "reports/print_report.h"

namespace {

constexpr std::array<int, 6> kRowCommands = {kCmdInsertLine, kCmdAddHeading, kCmdCut,
                                             kCmdCopy,       kCmdPaste,      kCmdDelete};

// A row menu opened since a cursor return was posted: the user has moved on,
// and the command chosen acts on the row the menu was opened for.
int g_rowMenusOpened = 0;

// One open list window: its description and its list's grid.
struct OpenList {
  const ListWindow& window;
  ListGrid& list;
  Dialog& dialog;

  GridEngine* Grid() const { return dialog.GetGrid(window.gridId); }
  int Tab() const { return window.tabStripId ? dialog.GetTabSelection(window.tabStripId) : 0; }
};

// The grid fills the window above the instructions; the buttons keep to the
// grid's right edge and the instructions take what is left beside them, so
// that no control is cut at any size the window allows.
void PlainLayout(Dialog& dialog) {
  const int w = App_LayoutUnits().charWidth;
  const PixelRect client = dialog.GetClientRect();
  const PixelRect button = dialog.GetItemRect(kIdcCopyValues);
  PixelRect grid = dialog.GetItemRect(kIdcListGrid);
  grid.right = grid.left + std::max(0, client.Width() - 3 * w);
  grid.bottom = grid.top + std::max(0, client.Height() - button.Height() - 8 * w);
  dialog.MoveItem(kIdcListGrid, grid);

  const int top = grid.bottom + 3 * w;
  for (const int id : {static_cast<int>(kIdcCopyValues), static_cast<int>(kIdCancel)}) {
    const PixelRect rect = dialog.GetItemRect(id);
    dialog.MoveItem(id, {grid.right - rect.Width(), top, grid.right, top + rect.Height()});
  }
  // Room for the hand-over button whether or not the tab shows it.
  PixelRect text = dialog.GetItemRect(kIdcListInstructions);
  text.top = top;
  text.bottom = top + 5 * w;
  text.right = std::max(text.left, grid.right - button.Width() - 2 * w);
  dialog.MoveItem(kIdcListInstructions, text);
}

void Layout(const OpenList& open) {
  if (open.window.layout) {
    open.window.layout(open.dialog);
  } else {
    PlainLayout(open.dialog);
  }
}

void Refill(const OpenList& open) {
  if (GridEngine* grid = open.Grid()) open.list.Fill(*grid, open.Tab());
}

// The boxes beside the grid show while the cursor's cell is one of theirs; the
// instructions make way for their note.
void ShowSideBoxes(const OpenList& open) {
  const ListWindow& window = open.window;
  std::optional<std::vector<std::string>> fields;
  GridEngine* grid = open.Grid();
  if (grid && !window.sideBoxes.empty()) {
    fields = open.list.SideFields(static_cast<int>(grid->SendMessage(GM_GETCURSORROW)),
                                  static_cast<int>(grid->SendMessage(GM_GETCURSORCOL)), open.Tab());
  }
  for (std::size_t i = 0; i < window.sideBoxes.size(); ++i) {
    const SideBox& box = window.sideBoxes[i];
    const bool show = fields && !box.label.empty() && i < fields->size();
    open.dialog.SetItemText(box.labelId, box.label);
    if (show) {
      open.dialog.SetItemText(box.editId, (*fields)[i]);
      open.dialog.SetItemModified(box.editId, false);
    }
    open.dialog.ShowItem(box.labelId, show);
    open.dialog.ShowItem(box.editId, show);
  }
  const std::string_view text = fields ? window.sideBoxInstructions : window.instructions;
  open.dialog.SetItemText(kIdcListInstructions,
                          ListInstructions(text, App_Document().CountBudgets()));
}

void ShowTab(const OpenList& open, int tab) {
  const ListWindow& window = open.window;
  if (window.tabStripId) open.dialog.SetTabSelection(window.tabStripId, tab);
  if (window.rememberedTab) *window.rememberedTab = tab;
  Refill(open);
  if (window.buttonTab >= 0) {
    open.dialog.ShowItem(kIdcCopyValues, tab == window.buttonTab);
    Layout(open);
  }
  ShowSideBoxes(open);
}

// The tab to open on: the creation parameter, else the one shown last; a tab
// that no longer exists (its budget deleted since) gives the first.
int OpeningTab(const OpenList& open, std::intptr_t param) {
  const ListWindow& window = open.window;
  if (!window.tabStripId) return 0;
  if (window.rememberedTab && param > 0) *window.rememberedTab = static_cast<int>(param);
  const int tab = window.rememberedTab ? *window.rememberedTab : 0;
  return tab >= 0 && tab < open.dialog.CountTabs(window.tabStripId) ? tab : 0;
}

// Never so narrow that a box beside the grid is cut: they keep their places
// across the window.
int MinimumWidth(const OpenList& open) {
  int width = kListWindowMinWidth;
  const int margin = open.dialog.GetItemRect(open.window.gridId).left;
  for (const SideBox& box : open.window.sideBoxes)
    width = std::max(width, open.dialog.GetItemRect(box.editId).right + 2 * margin);
  return width;
}

void LabelTabs(const OpenList& open) {
  const ListWindow& window = open.window;
  if (!window.tabStripId || !window.tabLabels) return;
  open.dialog.DeleteAllTabs(window.tabStripId);
  int index = 0;
  for (const std::string& label : window.tabLabels(App_Document()))
    open.dialog.InsertTab(window.tabStripId, index++, label);
}

void Initialise(const OpenList& open, std::intptr_t param) {
  const ListWindow& window = open.window;
  Dialog& dialog = open.dialog;
  CenterWindow(dialog, App_GetMainWindow());
  if (!window.caption.empty()) dialog.SetCaption(window.caption);
  dialog.SetMinimumSize(MinimumWidth(open), kListWindowMinHeight);
  if (GridEngine* grid = open.Grid()) {
    open.list.SetUp(*grid, App_GridHeadingFont(), App_LayoutUnits().charHeight);
  }
  for (const SideBox& box : window.sideBoxes) dialog.SetItemLimit(box.editId, box.chars);
  LabelTabs(open);
  ShowTab(open, OpeningTab(open, param));
  Layout(open);
}

void CellEdited(const OpenList& open, GridEngine& grid, std::intptr_t cell) {
  const int row = PackedRow(cell);
  const int col = PackedCol(cell);
  // A list's edits leave the budgets alone until its values are copied to them.
  WorksheetSnapshot snapshot(App_Document(), BudgetRange::None());
  const ListCellEdit edit = open.list.EditCell(row, col, open.Tab(), GetGridCellText(grid, row, col));
  if (!edit.refusal.empty()) {
    App_MessageBox(edit.refusal);
    return;
  }
  if (edit.changed) RecordWorksheetChange(snapshot, "Typing");
  Refill(open);
  // A value that could not be read is stored empty; the user is told why.
  if (!edit.problem.empty()) App_MessageBox(edit.problem);
  if (!edit.overDistributed) return;
  App_MessageBox(open.window.overDistributedMessage);
  // The message box took the focus; the cursor goes back once it is closed.
  GridEngine* target = &grid;
  open.dialog.Post([target, row, col, menus = g_rowMenusOpened] {
    if (menus == g_rowMenusOpened) target->SendMessage(GM_SETCURSOR, row, col);
  });
}

void ShowMenu(Dialog& dialog, std::vector<MenuItem> items) {
  std::vector<MenuItem>& menu = App_State().popupMenu;
  menu = std::move(items);
  int x = 0;
  int y = 0;
  App_Platform().CursorPosition(&x, &y);
  dialog.TrackPopupMenu(menu, x, y);
}

std::vector<MenuItem> ListMenuItems(const ListWindow& window, int tab) {
  std::vector<MenuItem> items = {{kCmdCopyList, std::string(window.copyMenuText), false, {}}};
  if (window.printMenu) {
    for (MenuItem& item : window.printMenu(tab)) items.push_back(std::move(item));
  } else {
    items.push_back({kCmdPrintList, std::string(window.printMenuText), false, {}});
  }
  return items;
}

void ShowRowMenu(const OpenList& open, GridEngine& grid) {
  ++g_rowMenusOpened;
  const ListWindow& window = open.window;
  const int row = static_cast<int>(grid.SendMessage(GM_GETCURSORROW));
  // Rows that stand for no place in a list offer what the rest of the window does.
  if (!open.list.HasRowLink(row, open.Tab())) {
    if (!window.rowMenuEverywhere) ShowMenu(open.dialog, ListMenuItems(window, open.Tab()));
    return;
  }
  RowMenuTexts texts;
  texts.insert = window.insertMenuText;
  texts.offersHeading = window.offersHeadings;
  texts.recordFormat = open.list.RecordFormat();
  texts.listItems = ListMenuItems(window, open.Tab());
  ShowMenu(open.dialog, BuildRowMenu(texts));
}

void WindowMenu(const OpenList& open) {
  GridEngine* grid = open.Grid();
  if (open.window.rowMenuEverywhere && grid) {
    ShowRowMenu(open, *grid);
  } else {
    ShowMenu(open.dialog, ListMenuItems(open.window, open.Tab()));
  }
}

void SideBoxChanged(const OpenList& open, int id) {
  GridEngine* grid = open.Grid();
  if (!grid) return;
  const int row = static_cast<int>(grid->SendMessage(GM_GETCURSORROW));
  WorksheetSnapshot snapshot(App_Document(), BudgetRange::None());
  bool stored = false;
  for (std::size_t i = 0; i < open.window.sideBoxes.size(); ++i) {
    const int editId = open.window.sideBoxes[i].editId;
    if (editId != id && !open.dialog.GetItemModified(editId)) continue;
    stored = open.list.SetSideField(row, static_cast<int>(i), open.dialog.GetItemText(editId)) ||
             stored;
    open.dialog.SetItemModified(editId, false);
  }
  if (!stored) return;
  RecordWorksheetChange(snapshot, "Typing");
  Refill(open);
}

bool IsSideBox(const ListWindow& window, int id) {
  return std::any_of(window.sideBoxes.begin(), window.sideBoxes.end(),
                     [id](const SideBox& box) { return box.editId == id; });
}

bool GridNotification(const OpenList& open, const DialogEvent& event) {
  GridEngine* grid = open.Grid();
  if (!grid) return false;
  switch (event.code) {
    case GN_EDITEND:
      CellEdited(open, *grid, event.param);
      return true;
    case GN_CONTEXTMENU:
      ShowRowMenu(open, *grid);
      return true;
    case GN_SELCHANGE:
      if (open.window.sideBoxes.empty()) return false;
      ShowSideBoxes(open);
      return true;
    default:
      return false;
  }
}

void RowCommand(const OpenList& open, int command) {
  GridEngine* grid = open.Grid();
  if (!grid) return;
  WorksheetSnapshot snapshot(App_Document(), BudgetRange::None());
  open.list.HandleRowOperation(command, *grid, open.Tab());
  RecordWorksheetChange(snapshot, RowCommandName(command));
  Refill(open);
}

int PrintSelector(const OpenList& open, int command) {
  if (!open.window.printsViews) return kPrintAllBudgets;
  const int tab = open.Tab();
  if (tab >= kPrintListDistributions) return tab;
  return command == kCmdPrintListDetail ? kPrintListDetail : kPrintListSummary;
}

void CopyValuesToWorksheets(const OpenList& open) {
  WorksheetSnapshot snapshot(App_Document());
  open.list.HandToBudgets();
  if (Dialog* main = App_GetMainWindow()) ShowCurrentTab(*main);
  RecordWorksheetChange(snapshot, "Copy Values");
  if (open.window.staysOpenAfterHandOver) {
    ShowTab(open, 0);
  } else {
    open.dialog.EndDialog(1);
  }
}

// After a step of the history, undone or redone here: the tabs may name other
// budgets, and the list may hold other records.
void ShowAfterStep(const OpenList& open) {
  const int tab = open.Tab();
  LabelTabs(open);
  const int count = open.window.tabStripId ? open.dialog.CountTabs(open.window.tabStripId) : 1;
  ShowTab(open, tab >= 0 && tab < count ? tab : 0);
}

bool Command(const OpenList& open, const DialogEvent& event) {
  if (event.id == open.window.gridId) return GridNotification(open, event);
  if (event.id == kCmdUndo || event.id == kCmdRedo) {
    if (UndoCommandFrom(open.dialog, event.id)) ShowAfterStep(open);
    return true;
  }
  if (IsSideBox(open.window, event.id)) {
    if (event.code != kNotifyEditUpdate) return false;
    SideBoxChanged(open, event.id);
    return true;
  }
  if (event.code != kNotifyClicked) return false;
  if (std::find(kRowCommands.begin(), kRowCommands.end(), event.id) != kRowCommands.end()) {
    RowCommand(open, event.id);
    return true;
  }
  switch (event.id) {
    case kCmdCopyList:
      CopyListWindowText(open.window, App_Document(), &open.dialog, open.Tab());
      return true;
    case kCmdPrintList:
    case kCmdPrintListDetail:
      App_Print(&open.dialog, open.window.printFlag, PrintSelector(open, event.id));
      return true;
    case kIdcCopyValues:
      CopyValuesToWorksheets(open);
      return true;
    case kIdCancel:
      open.dialog.EndDialog(0);
      return true;
    default:
      return false;
  }
}

int Procedure(const OpenList& open, const DialogEvent& event) {
  switch (event.kind) {
    case DialogEventKind::kInit:
      Initialise(open, event.param);
      return 1;
    case DialogEventKind::kCommand:
      return Command(open, event) ? 1 : 0;
    case DialogEventKind::kTabChanging:
      if (event.id != open.window.tabStripId) return 0;
      // An edit in progress ends on the tab being left.
      if (GridEngine* grid = open.Grid()) grid->FocusOut();
      return 1;
    case DialogEventKind::kTabChanged:
      if (event.id != open.window.tabStripId) return 0;
      ShowTab(open, open.Tab());
      return 1;
    case DialogEventKind::kContextMenu:
      if (event.id == open.window.gridId) return 0;  // the grid offers its own menu
      WindowMenu(open);
      return 1;
    case DialogEventKind::kSize:
      if (event.x <= 0 || event.y <= 0) return 0;  // minimised
      Layout(open);
      return 1;
    case DialogEventKind::kClose:
      open.dialog.EndDialog(0);
      return 1;
    default:
      return 0;
  }
}

}  // namespace

std::string ListInstructions(std::string_view instructions, int budgetCount) {
  std::string text(instructions);
  if (budgetCount <= MAX_ALLOCATIONS) return text;
  if (!text.empty()) text += "\n\n";
  text +=
      "Only the first 20 budgets share in this list: the budgets after the 20th have no "
      "distribution cells, receive nothing from it and keep no values for it in the file.";
  return text;
}

std::vector<MenuItem> ViewPrintMenu(int tab, std::string_view summary, std::string_view detail) {
  if (tab >= kPrintListDistributions) return {{kCmdPrintList, "Print This Table", false, {}}};
  return {{kCmdPrintList, std::string(summary), false, {}},
          {kCmdPrintListDetail, std::string(detail), false, {}}};
}

std::vector<std::string> InputDistributionValuesTabs(const CBudgetWorksheet& worksheet,
                                                     std::string_view inputTab) {
  std::vector<std::string> labels = {std::string(inputTab), "Distribution by Budget"};
  int k = 0;
  for (const CCropBudget* budget = worksheet.budgets.get(); budget; budget = budget->next.get())
    labels.push_back(BudgetColumnName(*budget, k++, "Budget ") + " Values");
  return labels;
}

int ShowListWindow(const ListWindow& window, Dialog& main, int tab) {
  const std::unique_ptr<ListGrid> list = window.makeGrid(App_Document().Farm());
  const DialogProc proc = [&window, &list](Dialog& dialog, const DialogEvent& event) {
    return Procedure(OpenList{window, *list, dialog}, event);
  };
  return App_Platform().RunModal(window.dialogTemplate(), proc, &main, tab);
}

bool CopyListWindowText(const ListWindow& window, const CBudgetWorksheet& worksheet,
                        PlatformWindow* owner, int tab) {
  return CopyTextToClipboard(
      owner, [&window, &worksheet, tab] { return std::optional(window.renderText(worksheet, tab)); });
}

const ListWindow* FindListWindowByExportName(std::string_view name) {
  for (const ListWindow* window : AllListWindows()) {
    if (window->exportName == name) return window;
  }
  return nullptr;
}

const ListWindow* FindListWindow(int request) {
  for (const ListWindow* window : AllListWindows()) {
    if (window->request == request) return window;
  }
  return nullptr;
}
