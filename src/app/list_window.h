#pragma once
// A whole-farm list's window, described once: its template and texts, where the
// main window opens it from, its tabs and the boxes beside its grid. One dialog
// procedure serves every such window; the list's grid (src/farm) does the rest.

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "farm/list_grid.h"
#include "platform/dialog.h"

class CBudgetWorksheet;

// A box beside the grid that edits a field of the record at the cursor row.
struct SideBox {
  int labelId;
  int editId;
  std::string_view label;  // empty: the pair stays hidden
  int chars = 15;          // the most a user can type
};

struct ListWindow {
  int request = 0;                 // its dialog's id, as App_ShowDialog is asked for it
  int menuCommand = 0;             // the main window's command that opens it
  std::span<const int> sources{};  // calculated rows whose double-click opens it
  bool opensBudgetTab = false;     // opened from a budget's row, it shows that budget's tab
  std::string_view exportName{};   // herdwright-cli export --view NAME
  const DialogTemplate& (*dialogTemplate)() = nullptr;
  int gridId = 0;
  std::string_view caption{};  // empty: the template's
  std::string_view instructions{};
  std::string_view overDistributedMessage =
      "Total distributions over 100%.\n\nPlease correct distributions so that the total for each "
      "line is no more than 100%.";
  std::string_view insertMenuText{};
  bool offersHeadings = false;  // "Add Heading" in the row menu
  std::string_view copyMenuText{};
  std::string_view printMenuText{};
  // The print entries of a tab, when they change with it; nullptr: printMenuText.
  std::vector<MenuItem> (*printMenu)(int tab) = nullptr;
  int printFlag = 0;  // the report section the window's print commands print
  // The summary, the detail or a budget's distributions, as the tab and the
  // command choose; otherwise the whole section.
  bool printsViews = false;
  // A right-click elsewhere in the window offers the row menu of the cursor's
  // row (nothing when it has none) instead of the window's own commands.
  bool rowMenuEverywhere = false;
  std::unique_ptr<ListGrid> (*makeGrid)(FarmScope farm) = nullptr;
  // The shown tab as text, as "Copy ... to Clipboard" places it.
  std::string (*renderText)(const CBudgetWorksheet& worksheet, int tab) = nullptr;

  // Windows with a tab strip over the grid.
  int tabStripId = 0;  // 0: no tab strip
  std::vector<std::string> (*tabLabels)(const CBudgetWorksheet& worksheet) = nullptr;
  int* rememberedTab = nullptr;  // the tab shown last, kept between openings
  int buttonTab = -1;            // the one tab that shows the hand-over button; -1: every tab
  bool staysOpenAfterHandOver = false;

  // Boxes beside the grid, and the instructions while they show.
  std::span<const SideBox> sideBoxes{};
  std::string_view sideBoxInstructions{};

  void (*layout)(Dialog& dialog) = nullptr;  // nullptr: the plain list window's
};

inline constexpr int kListWindowMinWidth = 600;
inline constexpr int kListWindowMinHeight = 420;

// Every list window; the main window, App_ShowDialog and the command-line export
// find them here. A new list's window joins this table.
std::span<const ListWindow* const> AllListWindows();
const ListWindow* FindListWindow(int request);
const ListWindow* FindListWindowByExportName(std::string_view name);

// The print entries of a list with a summary and a detail: both on the input
// and distribution tabs, "Print This Table" on a budget's values tab.
std::vector<MenuItem> ViewPrintMenu(int tab, std::string_view summary, std::string_view detail);

// The tabs of a list shown on tabs: the input tab, "Distribution by Budget" and
// one values tab per budget.
std::vector<std::string> InputDistributionValuesTabs(const CBudgetWorksheet& worksheet,
                                                     std::string_view inputTab);
// The instructions, and a note when some budgets have no slots in the lists.
std::string ListInstructions(std::string_view instructions, int budgetCount);
// "Copy ... to Clipboard": the tab's text as plain text; false when the
// clipboard could not be had.
bool CopyListWindowText(const ListWindow& window, const CBudgetWorksheet& worksheet,
                        PlatformWindow* owner, int tab);
// Runs a list window over the main window; the creation parameter is the tab
// to show, 0 for the one shown last.
int ShowListWindow(const ListWindow& window, Dialog& main, int tab);
