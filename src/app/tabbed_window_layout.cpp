#include "app/tabbed_window_layout.h"

#include <algorithm>

#include "app/app_state.h"
#include "platform/resource_ids.h"

namespace {

void MoveTop(Dialog& dialog, int id, int top, int height) {  // the same left and right
  PixelRect rect = dialog.GetItemRect(id);
  rect.top = top;
  rect.bottom = top + height;
  dialog.MoveItem(id, rect);
}

}  // namespace

void LayOutTabbedWindow(Dialog& dialog, const TabbedWindowLayout& layout) {
  const int w = App_LayoutUnits().charWidth;
  const PixelRect client = dialog.GetClientRect();
  PixelRect tabs = dialog.GetItemRect(kIdcCapitalTabs);
  const int m = tabs.left;
  tabs.right = tabs.left + std::max(0, client.Width() - 2 * m);
  tabs.bottom = tabs.top + std::max(0, client.Height() - 2 * m);
  dialog.MoveItem(kIdcCapitalTabs, tabs);

  PixelRect grid = dialog.GetItemRect(kIdcCapitalGrid);
  grid.right = grid.left + std::max(0, client.Width() - 4 * w);
  grid.bottom = std::max(grid.top, client.Height() - layout.gridGap * w);
  dialog.MoveItem(kIdcCapitalGrid, grid);

  // The buttons keep to the grid's right edge and the instructions narrow beside
  // them, so no allowed size cuts either; without the button (the tabs that do
  // not hand over) the instructions take the width, under the boxes too.
  const int below = grid.bottom + w;
  const PixelRect button = dialog.GetItemRect(kIdcCopyValues);
  for (const int id : {static_cast<int>(kIdcCopyValues), static_cast<int>(kIdCancel)}) {
    const PixelRect rect = dialog.GetItemRect(id);
    dialog.MoveItem(id, {grid.right - rect.Width(), below, grid.right, below + rect.Height()});
  }
  PixelRect text = dialog.GetItemRect(kIdcListInstructions);
  text.top = below;
  text.bottom = below + layout.textHeight * w;
  const bool beside = dialog.IsItemVisible(kIdcCopyValues);
  text.right = beside ? std::max(text.left, grid.right - button.Width() - 2 * w) : grid.right;
  dialog.MoveItem(kIdcListInstructions, text);
  for (const int id : layout.boxes) MoveTop(dialog, id, grid.bottom + 2 * m, dialog.GetItemRect(id).Height());
  for (const int id : layout.labels)
    MoveTop(dialog, id, grid.bottom + 2 * m + 2, dialog.GetItemRect(id).Height());
}
