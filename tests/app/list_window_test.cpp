// A list window with a tab strip and boxes beside its grid, over a stand-in list:
// what a window description offers beyond the plain lists.
#include <functional>

#include "app/list_window.h"
#include "main_window_fixture.h"
#include "model/grid_cells.h"

namespace {

constexpr int kGrid = 1078;
constexpr int kBoxes[][2] = {{1080, 1106}, {1081, 1107}, {1082, 1108}};

// A list of one record with two side fields, shown on an input tab, a second
// tab and one tab per budget. Its changes reach the document through the
// producer's address, so that the history sees them.
class StandInList final : public ListGrid {
 public:
  static void Touch(std::string_view change) { App_Document().address += change; }

  void SetUp(GridEngine& grid, const GridFont& font, int textHeight) const override {
    SetUpWorksheetGrid(grid, font, textHeight);
  }
  void Fill(GridEngine& grid, int tab) const override {
    ++fills;
    grid.SendMessage(GM_SETDIMENSIONS, 2, 6);
    for (int col = 1; col <= 6; ++col) PutGridCell(grid, 1, col, "", false);
    PutGridCell(grid, 1, 1, "tab " + std::to_string(tab) + " " + fields[0], false);
  }
  bool HasRowLink(int row, int) const override { return row == 1; }
  ListCellEdit EditCell(int row, int col, int tab, std::string_view text) override {
    edits.push_back(std::to_string(tab) + ":" + std::to_string(row) + "," + std::to_string(col) +
                    "=" + std::string(text));
    Touch(text);
    return {{}, true, false, {}};
  }
  int HandleRowOperation(int, GridEngine&, int) override { return 1; }
  std::string_view RecordFormat() const override { return "xml/stand-in"; }
  void HandToBudgets() override {
    ++handOvers;
    Touch("+");
  }
  std::optional<std::vector<std::string>> SideFields(int row, int col, int tab) const override {
    if (tab != 0 || row != 1 || col != 5) return std::nullopt;
    return std::vector<std::string>{fields[0], fields[1], "unused"};
  }
  bool SetSideField(int row, int index, std::string_view text) override {
    if (row != 1) return false;
    fields[static_cast<std::size_t>(index)] = std::string(text);
    Touch(text);
    return true;
  }

  mutable int fills = 0;
  std::vector<std::string> edits;
  int handOvers = 0;
  std::array<std::string, 3> fields = {"1.00", "2.00", ""};
};

StandInList* g_list = nullptr;
int g_rememberedTab = 0;

const DialogTemplate& StandInTemplate() {
  static const DialogTemplate dialog = [] {
    DialogTemplate t;
    t.id = 9120;
    t.caption = "Stand-in";
    t.width = 420;
    t.height = 262;
    t.resizable = true;
    t.controls = {
        {kIdcTabStrip, ControlKind::kTabStrip, "", 4, 4, 412, 200, kStyleNone},
        {kGrid, ControlKind::kGrid, "", 7, 20, 406, 180, kStyleNone},
        {kIdcListInstructions, ControlKind::kEdit, "", 7, 214, 300, 40, kStyleMultiline},
        {kIdcCopyValues, ControlKind::kButton, "Copy Values", 315, 214, 98, 14, kStyleNone},
        {kIdCancel, ControlKind::kButton, "Close", 315, 232, 50, 14, kStyleHidden},
    };
    for (const auto& [label, edit] : kBoxes) {
      t.controls.push_back({label, ControlKind::kLabel, "", 7, 240, 40, 8, kStyleHidden});
      t.controls.push_back({edit, ControlKind::kEdit, "", 50, 240, 40, 12, kStyleHidden});
    }
    return t;
  }();
  return dialog;
}

constexpr SideBox kSideBoxes[] = {
    {1080, 1106, "Taxes"}, {1081, 1107, "Housing"}, {1082, 1108, ""}};

std::vector<std::string> Tabs(const CBudgetWorksheet& worksheet) {
  std::vector<std::string> labels = {"Input", "Distribution"};
  for (int k = 0; k < worksheet.CountBudgets(); ++k) labels.push_back("B" + std::to_string(k));
  return labels;
}

const ListWindow kStandInWindow = {
    .request = 9120,
    .dialogTemplate = StandInTemplate,
    .gridId = kGrid,
    .instructions = "General instructions",
    .makeGrid = [](FarmScope) -> std::unique_ptr<ListGrid> {
      auto list = std::make_unique<StandInList>();
      g_list = list.get();
      return list;
    },
    .tabStripId = kIdcTabStrip,
    .tabLabels = Tabs,
    .rememberedTab = &g_rememberedTab,
    .buttonTab = 1,
    .staysOpenAfterHandOver = true,
    .sideBoxes = kSideBoxes,
    .sideBoxInstructions = "The rate is the sum of the percentages.",
};

class ListWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    App_Document().GetBudget(2, true);  // three budgets: tabs 0 to 4
    g_rememberedTab = 0;
  }
  // Opens the window and runs the steps in it, one per pump call.
  int Open(int tab, std::vector<std::function<void(HeadlessDialog&)>> steps) {
    std::size_t next = 0;
    platform.SetPump([&] {
      HeadlessDialog* active = platform.ActiveWindow();
      if (next >= steps.size() || active == nullptr || active == window) return false;
      steps[next++](*active);
      platform.RunPosted();
      return true;
    });
    const int result = ShowListWindow(kStandInWindow, *window, tab);
    EXPECT_EQ(next, steps.size());
    platform.SetPump(nullptr);
    return result;
  }
  static void Close(HeadlessDialog& dialog) { EXPECT_EQ(UserKey(dialog, GridKey::Escape), ""); }
  static std::string Shown(HeadlessDialog& dialog) {
    return GetGridCellText(*dialog.GetGrid(kGrid), 1, 1);
  }
};

TEST_F(ListWindowTest, OpensOnTheAskedTabThenOnTheLastOneShown) {
  Open(3, {[](HeadlessDialog& dialog) {
             EXPECT_EQ(dialog.GetTabSelection(kIdcTabStrip), 3);
             EXPECT_EQ(dialog.CountTabs(kIdcTabStrip), 5);
             EXPECT_EQ(Shown(dialog), "tab 3 1.00");
             EXPECT_EQ(UserClickTab(dialog, 4), "");
           },
           Close});
  EXPECT_EQ(g_rememberedTab, 4);
  Open(0, {[](HeadlessDialog& dialog) { EXPECT_EQ(Shown(dialog), "tab 4 1.00"); }, Close});
  // The budget of the remembered tab is gone: the first tab shows.
  EXPECT_TRUE(App_Document().DeleteBudget(2));
  Open(0, {[](HeadlessDialog& dialog) { EXPECT_EQ(Shown(dialog), "tab 0 1.00"); }, Close});
}

TEST_F(ListWindowTest, ATabChangeEndsTheEditOnTheTabLeft) {
  Open(1, {[](HeadlessDialog& dialog) {
             EXPECT_EQ(UserClickCell(dialog, 1, 2), "");
             EXPECT_EQ(UserType(dialog, "25"), "");
             EXPECT_EQ(UserClickTab(dialog, 2), "");
             EXPECT_EQ(g_list->edits, std::vector<std::string>{"1:1,2=25"});
             EXPECT_EQ(Shown(dialog), "tab 2 1.00");
           },
           Close});
  EXPECT_TRUE(App_IsModified());
}

TEST_F(ListWindowTest, TheButtonShowsOnItsTabAndTheWindowStaysOpenAfterIt) {
  Open(0, {[](HeadlessDialog& dialog) {
             EXPECT_FALSE(dialog.IsItemVisible(kIdcCopyValues));
             EXPECT_EQ(UserClickTab(dialog, 1), "");
             EXPECT_TRUE(dialog.IsItemVisible(kIdcCopyValues));
             // The window stays open and goes back to its first tab.
             EXPECT_EQ(UserCommand(dialog, kIdcCopyValues), "");
             EXPECT_EQ(g_list->handOvers, 1);
             EXPECT_FALSE(dialog.Ended());
             EXPECT_EQ(dialog.GetTabSelection(kIdcTabStrip), 0);
           },
           Close});
  EXPECT_TRUE(App_IsModified());
}

TEST_F(ListWindowTest, SideBoxesShowWhileTheirCellIsCurrentAndEditTheRecord) {
  Open(0, {[](HeadlessDialog& dialog) {
             EXPECT_EQ(dialog.GetItemText(kIdcListInstructions), "General instructions");
             EXPECT_EQ(UserClickCell(dialog, 1, 5), "");
             EXPECT_TRUE(dialog.IsItemVisible(1106));
             EXPECT_TRUE(dialog.IsItemVisible(1081));
             EXPECT_FALSE(dialog.IsItemVisible(1108));  // no label: never shown
             EXPECT_EQ(dialog.GetItemText(1080), "Taxes");
             EXPECT_EQ(dialog.GetItemText(1107), "2.00");
             EXPECT_EQ(dialog.GetItemText(kIdcListInstructions),
                       "The rate is the sum of the percentages.");
             const int fills = g_list->fills;
             EXPECT_EQ(UserEdit(dialog, 1107, "12345678901234567"), "");
             EXPECT_EQ(g_list->fields[1], "123456789012345");
             EXPECT_EQ(UserEdit(dialog, 1106, "3.5"), "");
             EXPECT_EQ(g_list->fields[0], "3.5");
             EXPECT_EQ(g_list->fills, fills + 2);
             EXPECT_EQ(Shown(dialog), "tab 0 3.5");
             EXPECT_EQ(UserClickCell(dialog, 1, 4), "");
             EXPECT_FALSE(dialog.IsItemVisible(1106));
             EXPECT_EQ(dialog.GetItemText(kIdcListInstructions), "General instructions");
           },
           Close});
  EXPECT_TRUE(App_IsModified());
}

}  // namespace

namespace {

// Every control shown lies whole inside the window and clear of the others; a
// tab strip holds the controls of its pages, and the boxes beside a grid show
// over the blank lines the instructions leave them.
void ExpectEveryControlWhole(const HeadlessDialog& dialog) {
  const PixelRect client = dialog.GetClientRect();
  std::vector<const HeadlessControl*> shown;
  for (const HeadlessControl& control : dialog.Controls()) {
    if (!control.visible) continue;
    const PixelRect& r = control.rect;
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
        << control.id << " in " << client.Width() << "x" << client.Height();
    if (control.kind == ControlKind::kTabStrip) continue;
    for (const HeadlessControl* other : shown) {
      const auto overhead = [](int id) {
        return id == kIdcOverheadLabel1 || id == kIdcOverheadLabel2 || id == kIdcOverheadLabel3 ||
               id == kIdcOverheadLabel4 || id == kIdcOverheadLabel5 ||
               (id >= kIdcOverheadEdit1 && id <= kIdcOverheadEdit5);
      };
      const bool overInstructions =
          (control.id == kIdcListInstructions && overhead(other->id)) ||
          (other->id == kIdcListInstructions && overhead(control.id));
      if (overInstructions) continue;
      const PixelRect& o = other->rect;
      const bool apart = r.right <= o.left || o.right <= r.left || r.bottom <= o.top || o.bottom <= r.top;
      EXPECT_TRUE(apart) << control.id << " on " << other->id << " in " << client.Width() << "x"
                         << client.Height();
    }
    shown.push_back(&control);
  }
}

}  // namespace

TEST_F(MainWindowTest, ListWindowsKeepEveryControlWholeAtEveryAllowedSize) {
  // A machine and a building, so that their windows show the overhead boxes.
  App_Document().lists.pMachinery = std::make_unique<CBudgetMachine>();
  App_Document().lists.pBuildings = std::make_unique<CBudgetMachine>();
  for (const ListWindow* list : AllListWindows()) {
    int checked = 0;
    platform.SetPump([&] {
      HeadlessDialog* active = platform.ActiveWindow();
      if (active == nullptr || active == window || checked > 0) return false;
      for (const auto& [width, height] : {std::pair{0, 0}, std::pair{650, 500}, std::pair{1200, 900}}) {
        active->ResizeClient(width, height);
        ExpectEveryControlWhole(*active);
        if (list->sideBoxes.empty()) continue;
        EXPECT_EQ(UserClickCell(*active, 1, 5), "");
        EXPECT_TRUE(active->IsItemVisible(kIdcOverheadEdit1));
        ExpectEveryControlWhole(*active);
        EXPECT_EQ(UserClickCell(*active, 1, 1), "");
      }
      ++checked;
      EXPECT_EQ(UserKey(*active, GridKey::Escape), "");
      return true;
    });
    ShowListWindow(*list, *window, 0);
    platform.SetPump(nullptr);
    EXPECT_EQ(checked, 1) << list->request;
  }
}
