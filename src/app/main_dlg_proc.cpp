#include "platform/resource_ids.h"
#include "app/analysis_window.h"
#include "app/app_state.h"
#include "app/auto_recovery.h"
#include "app/main_grid.h"
#include "app/main_window.h"
#include "app/popup_menus.h"
#include "app/tab_view.h"
#include "grid/grid_engine.h"
#include "platform/platform.h"

namespace {

void TabChanging(Dialog& window) {
  // An edit in progress ends here, so the typed value goes to the budget being left.
  if (GridEngine* grid = MainGrid(window)) grid->FocusOut();
  SaveGridScroll(window);
}

void TabChanged(Dialog& window) {
  // The grid scrolls only as far as its rows reach, so it is filled first.
  ShowCurrentTab(window);
  RestoreGridScroll(window);
  App_WriteRecovery();
}

void Destroyed() {
  App_EndRecovery();
  CloseAnalysisWindow();
  AppState& state = App_State();
  state.mainWindow = nullptr;
  state.popupMenu.clear();
  App_Platform().PostQuit(0);
}

}  // namespace

int MainDlgProc(Dialog& window, const DialogEvent& event) {
  switch (event.kind) {
    case DialogEventKind::kInit:
      InitMainWindow(window);
      return 1;
    case DialogEventKind::kCommand:
      if (MainNotification(window, event)) return 1;
      return event.code == kNotifyClicked && MainCommand(window, event.id) ? 1 : 0;
    case DialogEventKind::kTabChanging:
      if (event.id != kIdcTabStrip) return 0;
      TabChanging(window);
      return 1;
    case DialogEventKind::kTabChanged:
      if (event.id != kIdcTabStrip) return 0;
      TabChanged(window);
      return 1;
    case DialogEventKind::kContextMenu:
      // The grid and the edits offer their own menus.
      if (event.id != kIdcTabStrip && event.id != 0) return 0;
      BuildTabMenu(App_State().popupMenu, CurrentTab(window));
      window.TrackPopupMenu(App_State().popupMenu, event.x, event.y);
      return 1;
    case DialogEventKind::kSize:
      if (event.x <= 0 || event.y <= 0) return 0;  // minimised
      LayoutMainWindow(window);
      return 1;
    case DialogEventKind::kClose:
      MainCommand(window, kCmdExit);
      return 1;
    case DialogEventKind::kDestroy:
      Destroyed();
      return 1;
  }
  return 0;
}
