// Creation of the main window, step by step.
#include "platform/resource_ids.h"
#include "app/app_main.h"
#include "app/app_state.h"
#include "app/auto_recovery.h"
#include "app/default_expenses.h"
#include "app/document_title.h"
#include "app/file_commands.h"
#include "app/main_grid.h"
#include "app/main_window.h"
#include "app/recent_files.h"
#include "app/shell_open.h"
#include "app/tab_view.h"
#include "app/undo_history.h"
#include "app/window_geometry.h"
#include "document/worksheet.h"
#include "platform/app_message.h"
#include "platform/platform.h"

namespace {

constexpr int kMinimumWidth = 500;
constexpr int kMinimumHeight = 440;
constexpr int kBoldWeight = 700;

void PlaceOnDesktop(Dialog& window) {
  const PixelRect workArea = App_Platform().WorkArea();
  MoveWindowFrame(window, MainWindowFrame(GetWindowFrame(window), workArea));
  CenterWindow(window, nullptr);
}

// The budget grid shows every column when the screen has room for them. The
// window's own frame is not known before it shows, so a little more is asked.
void WidenForGrid(Dialog& window) {
  const int frameAllowance = 2 * App_LayoutUnits().charWidth;
  const int wanted = BudgetGridFullWidth() + frameAllowance - window.GetItemRect(kIdcGrid).Width();
  if (wanted <= 0) return;
  MoveWindowFrame(window, WidenedFrame(GetWindowFrame(window), wanted, App_Platform().WorkArea()));
  CenterWindow(window, nullptr);
  LayoutMainWindow(window);
}

// True when the document is modified from the start (OpenDocumentFile).
bool OpenCommandLineDocument() {
  const std::string& path = App_State().commandLineDocument;
  return !path.empty() && OpenDocumentFile(path);
}

}  // namespace

void InitMainWindow(Dialog& window) {
  AppState& state = App_State();
  state.mainWindow = &window;
  window.SetCaption(kProductTitle);

  state.units = {window.AverageCharWidth(), window.CharHeight()};
  state.headingFont = {window.CharHeight(), kBoldWeight};
  if (!UsersGuideExists()) {
    window.SetMenuItem(kCmdUsersGuide, "User's Guide not installed", false);
  }
  PlaceOnDesktop(window);
  window.SetMinimumSize(kMinimumWidth, kMinimumHeight);
  window.CheckItem(kIdcRadioWholeFarm, true);
  LayoutMainWindow(window);

  window.InsertTab(kIdcTabStrip, 0, "Summary");
  if (GridEngine* grid = MainGrid(window)) ConfigureMainGrid(*grid, state.units.charHeight);
  WidenForGrid(window);
  state.popupMenu.clear();
  App_ShowRecentFiles(window);

  // Work a killed run left is offered before the command line's document opens.
  const bool refreshed = App_OfferRecovery(state.commandLineDocument) || OpenCommandLineDocument();
  RebuildTabs(window);
  ResetGridScrollMemory();
  if (App_Document().CountBudgets() == 0) App_SetDefaultExpenses(App_Document());
  ShowFirstBudget(window);
  MarkDocumentClean(true);
  if (refreshed) MarkDocumentChanged();
  App_StartRecoveryTimer();
}
