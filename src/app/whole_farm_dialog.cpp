#include "app/whole_farm_dialog.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/resource_ids.h"
#include "app/app_main.h"
#include "app/app_state.h"
#include "app/document_title.h"
#include "app/not_available.h"
#include "app/tab_view.h"
#include "app/window_geometry.h"
#include "platform/clipboard_transfer.h"
#include "document/worksheet.h"
#include "farm/distribution.h"
#include "grid/grid_engine.h"
#include "platform/app_message.h"
#include "platform/clipboard.h"
#include "platform/platform.h"

namespace {

constexpr std::string_view kOverDistributed =
    "Total distributions over 100%.\n\nPlease correct distributions so that the total for each "
    "line is no more than 100%.";

constexpr std::array<int, 6> kRowCommands = {kCmdInsertLine, kCmdAddHeading, kCmdCut,
                                             kCmdCopy,       kCmdPaste,      kCmdDelete};

// A row menu opened since a cursor return was posted: the user has moved on,
// and the command chosen acts on the row the menu was opened for.
int g_rowMenusOpened = 0;

void Layout(Dialog& dialog) {
  const int w = App_LayoutUnits().charWidth;
  const PixelRect client = dialog.GetClientRect();
  const PixelRect button = dialog.GetItemRect(kIdcCopyValues);
  PixelRect grid = dialog.GetItemRect(kIdcListGrid);
  grid.right = grid.left + std::max(0, client.Width() - 3 * w);
  grid.bottom = grid.top + std::max(0, client.Height() - button.Height() - 8 * w);
  dialog.MoveItem(kIdcListGrid, grid);

  const int top = grid.bottom + 3 * w;
  PixelRect text = dialog.GetItemRect(kIdcListInstructions);
  text.top = top;
  text.bottom = top + 5 * w;
  dialog.MoveItem(kIdcListInstructions, text);
  for (const int id : {static_cast<int>(kIdcCopyValues), static_cast<int>(kIdCancel)}) {
    PixelRect rect = dialog.GetItemRect(id);
    rect.bottom = top + rect.Height();
    rect.top = top;
    dialog.MoveItem(id, rect);
  }
}

void Refill(const WholeFarmWindow& window, GridEngine& grid) {
  (App_Document().*window.fillGrid)(grid);
}

void Initialise(const WholeFarmWindow& window, Dialog& dialog) {
  CenterWindow(dialog, App_GetMainWindow());
  if (!window.caption.empty()) dialog.SetCaption(window.caption);
  dialog.SetMinimumSize(kListWindowMinWidth, kListWindowMinHeight);
  CBudgetWorksheet& document = App_Document();
  if (GridEngine* grid = dialog.GetGrid(kIdcListGrid)) {
    (document.*window.setUpGrid)(*grid, App_GridHeadingFont(), App_LayoutUnits().charHeight);
    Refill(window, *grid);
  }
  dialog.SetItemText(kIdcListInstructions,
                     ListInstructions(window.instructions, document.CountBudgets()));
  Layout(dialog);
}

void CellEdited(const WholeFarmWindow& window, Dialog& dialog, GridEngine& grid,
                std::intptr_t cell) {
  const int row = PackedRow(cell);
  const int col = PackedCol(cell);
  const ListCellEdit edit =
      window.editCell(App_Document(), row, col, GetGridCellText(grid, row, col));
  if (!edit.linked) {
    App_MessageBox(window.editWithoutLinkMessage);
    return;
  }
  if (edit.changed) SetDocumentModified();
  Refill(window, grid);
  // A value that could not be read is stored empty; the user is told why.
  if (!edit.problem.empty()) App_MessageBox(edit.problem);
  if (!edit.overDistributed) return;
  App_MessageBox(kOverDistributed);
  // The message box took the focus; the cursor goes back once it is closed.
  GridEngine* target = &grid;
  dialog.Post([target, row, col, menus = g_rowMenusOpened] {
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

void ShowListMenu(const WholeFarmWindow& window, Dialog& dialog) {
  ShowMenu(dialog, {{kCmdCopyList, std::string(window.copyMenuText), false, {}},
                    {kCmdPrintList, std::string(window.printMenuText), false, {}}});
}

void ShowRowMenu(const WholeFarmWindow& window, Dialog& dialog, GridEngine& grid) {
  ++g_rowMenusOpened;
  const int row = static_cast<int>(grid.SendMessage(GM_GETCURSORROW));
  // Rows that stand for no place in a list offer what the rest of the window does.
  if (!window.hasRowLink(App_Document(), row)) {
    ShowListMenu(window, dialog);
    return;
  }
  const bool canPaste = IsClipboardFormatOffered(&dialog, window.recordFormat) ||
                        IsClipboardFormatOffered(&dialog, kClipboardTextFormat);
  ShowMenu(dialog, {
                       {kCmdInsertLine, "Insert New Line", false, {}},
                       {kCmdAddHeading, "Add Heading", false, {}},
                       {},
                       {kCmdCut, "Cut", false, {}},
                       {kCmdCopy, "Copy", false, {}},
                       {kCmdPaste, "Paste", !canPaste, {}},
                       {},
                       {kCmdCopyList, std::string(window.copyMenuText), false, {}},
                       {kCmdPrintList, std::string(window.printMenuText), false, {}},
                       {},
                       {kCmdDelete, "Delete", false, {}},
                   });
}

bool GridNotification(const WholeFarmWindow& window, Dialog& dialog, const DialogEvent& event) {
  GridEngine* grid = dialog.GetGrid(kIdcListGrid);
  if (!grid) return false;
  if (event.code == GN_EDITEND) {
    CellEdited(window, dialog, *grid, event.param);
    return true;
  }
  if (event.code == GN_CONTEXTMENU) {
    ShowRowMenu(window, dialog, *grid);
    return true;
  }
  return false;
}

void RowCommand(const WholeFarmWindow& window, Dialog& dialog, int command) {
  GridEngine* grid = dialog.GetGrid(kIdcListGrid);
  if (!grid) return;
  const int done = (App_Document().*window.rowOperation)(command, *grid);
  if (done && command != kCmdCopy) SetDocumentModified();
  Refill(window, *grid);
}

void CopyValuesToWorksheets(const WholeFarmWindow& window, Dialog& dialog) {
  (App_Document().*window.handToBudgets)();
  SetDocumentModified();
  if (Dialog* main = App_GetMainWindow()) ShowCurrentTab(*main);
  dialog.EndDialog(1);
}

bool Command(const WholeFarmWindow& window, Dialog& dialog, const DialogEvent& event) {
  if (event.id == kIdcListGrid) return GridNotification(window, dialog, event);
  if (event.code != kNotifyClicked) return false;
  if (std::find(kRowCommands.begin(), kRowCommands.end(), event.id) != kRowCommands.end()) {
    RowCommand(window, dialog, event.id);
    return true;
  }
  switch (event.id) {
    case kCmdCopyList:
      window.copyToClipboard(App_Document(), &dialog);
      return true;
    case kCmdPrintList:
      ShowNotYetAvailable();
      return true;
    case kIdcCopyValues:
      CopyValuesToWorksheets(window, dialog);
      return true;
    case kIdCancel:
      dialog.EndDialog(0);
      return true;
    default:
      return false;
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

int WholeFarmDialogProc(const WholeFarmWindow& window, Dialog& dialog, const DialogEvent& event) {
  switch (event.kind) {
    case DialogEventKind::kInit:
      Initialise(window, dialog);
      return 1;
    case DialogEventKind::kCommand:
      return Command(window, dialog, event) ? 1 : 0;
    case DialogEventKind::kContextMenu:
      if (event.id == kIdcListGrid) return 0;  // the grid offers its own menu
      ShowListMenu(window, dialog);
      return 1;
    case DialogEventKind::kSize:
      if (event.x <= 0 || event.y <= 0) return 0;  // minimised
      Layout(dialog);
      return 1;
    case DialogEventKind::kClose:
      dialog.EndDialog(0);
      return 1;
    default:
      return 0;
  }
}
