// Undo and redo of every kind of change, driven as the user drives them: after
// an undo the document writes the bytes it wrote before the change, after a
// redo those it wrote after it, and the grid and modified flag follow.
#include <functional>

#include "app/app_state.h"
#include "app/document_title.h"
#include "app/undo_history.h"
#include "document/temp_folder.h"
#include "main_window_fixture.h"
#include "platform/menu_items.h"
#include "reports/cell_dump.h"
#include "text/tag_buffer.h"

namespace {

using Steps = std::vector<std::function<void(HeadlessDialog&)>>;

// Rows of the sample ranch's first budget.
constexpr int kCalvesRow = 2;
constexpr int kReturnsNewItemRow = 5;
constexpr int kPastureRow = 9;
constexpr int kInterestRow = 16;

// The changes below are made from a table, so the user's actions are public here.
class UndoHistoryTest : public MainWindowTest {
 public:
  using MainWindowTest::ClickTab;
  using MainWindowTest::Command;
  using MainWindowTest::Done;
  using MainWindowTest::Edit;
  using MainWindowTest::platform;
  using MainWindowTest::window;

  void SetUp() override { OpenSample(); }

  void OpenSample() { StartUp(std::string(HERD_TEST_DATA_DIR) + "/cli/sample-ranch.vqn"); }

  // What a save would write.
  static std::string Saved() {
    CTagBuffer buffer;
    App_Document().WriteTags(buffer);
    return std::string(buffer.View());
  }

  // Runs the steps in the modal window the action opens, one per pump call.
  void InModal(const std::function<void()>& action, Steps steps) {
    std::size_t next = 0;
    platform.SetPump([&] {
      HeadlessDialog* active = platform.ActiveWindow();
      if (next >= steps.size() || active == nullptr || active == window) return false;
      steps[next++](*active);
      platform.RunPosted();
      return true;
    });
    action();
    platform.SetPump(nullptr);
    EXPECT_EQ(next, steps.size());
  }

  void TypeInCell(int row, int col, std::string_view text) {
    ClickCell(row, col);
    Done(UserType(*window, text));
    Done(UserKey(*window, GridKey::Enter));
  }
  void RowCommand(int row, int command) {
    ClickCell(row, 1);
    Command(command);
  }
  static void TypeInList(HeadlessDialog& dialog, int row, int col, std::string_view text) {
    EXPECT_EQ(UserClickCell(dialog, row, col), "");
    EXPECT_EQ(UserType(dialog, text), "");
    EXPECT_EQ(UserKey(dialog, GridKey::Enter), "");
  }

  TempFolder folder;
};

struct Change {
  const char* name;
  std::function<void(UndoHistoryTest&)> prepare;  // not part of the step
  std::function<void(UndoHistoryTest&)> make;
  bool showsInGrid = true;  // the budget's grid shows it on the same tab
  bool marksModified = true;
};

class UndoHistoryKinds : public UndoHistoryTest {
 protected:
  void Check(const Change& change) {
    SCOPED_TRACE(change.name);
    OpenSample();
    if (change.prepare) change.prepare(*this);
    const std::string before = Saved();
    const bool modifiedBefore = App_IsModified();
    const std::string gridBefore = DumpGridCells(Grid());
    const std::size_t steps = App_UndoStack().Index();
    change.make(*this);
    const std::string after = Saved();
    const std::string gridAfter = DumpGridCells(Grid());
    ASSERT_NE(before, after) << "the change changed nothing";
    EXPECT_EQ(App_UndoStack().Index(), steps + 1) << "one step per change";
    EXPECT_EQ(App_IsModified(), change.marksModified || modifiedBefore);

    Command(kCmdUndo);
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(App_IsModified(), modifiedBefore);
    if (change.showsInGrid) {
      EXPECT_EQ(DumpGridCells(Grid()), gridBefore);
    }

    Command(kCmdRedo);
    EXPECT_EQ(Saved(), after);
    if (change.showsInGrid) {
      EXPECT_EQ(DumpGridCells(Grid()), gridAfter);
    }
    // The grid a redo leaves is the one a fresh showing of the tab fills.
    Command(kCmdShowTab);
    if (change.showsInGrid) {
      EXPECT_EQ(DumpGridCells(Grid()), gridAfter);
    }
    EXPECT_EQ(Saved(), after);
  }
};

void WriteTemplate(const std::string& path) {
  WriteBytes(path,
             "<BUDGETWORKSHEET><LIVESTOCKBUDGET><PUBLICATION>A-1</PUBLICATION><TITLE>First</TITLE>"
         "<OPERATING><ROW><LABEL>Feed</LABEL><TYPE>2</TYPE><VALUE>12.3456</VALUE></ROW>"
         "</OPERATING></LIVESTOCKBUDGET></BUDGETWORKSHEET>");
}

const std::vector<Change>& Changes() {
  static const std::vector<Change> changes = {
      {"price typed", nullptr, [](UndoHistoryTest& t) { t.TypeInCell(kCalvesRow, 5, "200"); }},
      {"line typed on the new-item row", nullptr,
       [](UndoHistoryTest& t) { t.TypeInCell(kReturnsNewItemRow, 1, "Weaning"); }},
      {"operating cost typed, the interest row following", nullptr,
       [](UndoHistoryTest& t) { t.TypeInCell(kPastureRow, 5, "30.125"); }},
      {"title typed key by key", nullptr,
       [](UndoHistoryTest& t) {
         for (const char* text : {"S", "Sp", "Spring"}) t.Edit(kIdcEditTitleOrPhone, text);
       }},
      {"head count typed", nullptr, [](UndoHistoryTest& t) { t.Edit(kIdcEditUnits, "120"); }},
      {"herd unit chosen", nullptr,
       [](UndoHistoryTest& t) { t.Done(UserSelect(*t.window, kIdcComboHerdUnit, 3)); }},
      {"producer's name typed", [](UndoHistoryTest& t) { t.ClickTab(0); },
       [](UndoHistoryTest& t) { t.Edit(kIdcEditIdOrName, "Bar K Ranch"); }},
      {"line inserted", nullptr,
       [](UndoHistoryTest& t) { t.RowCommand(kPastureRow, kCmdInsertLine); }},
      {"heading added", nullptr,
       [](UndoHistoryTest& t) { t.RowCommand(kPastureRow, kCmdAddHeading); }},
      {"line cut", nullptr, [](UndoHistoryTest& t) { t.RowCommand(kPastureRow, kCmdCut); }},
      {"line deleted", nullptr,
       [](UndoHistoryTest& t) { t.RowCommand(kPastureRow, kCmdDelete); }},
      {"line pasted", [](UndoHistoryTest& t) { t.RowCommand(kPastureRow, kCmdCopy); },
       [](UndoHistoryTest& t) { t.RowCommand(kCalvesRow + 1, kCmdPaste); }},
      {"interest row deleted", nullptr,
       [](UndoHistoryTest& t) { t.RowCommand(kInterestRow, kCmdDelete); }},
      // The copy stands first, so it is the row the interest goes to.
      {"interest row pasted above itself", [](UndoHistoryTest& t) {
         t.RowCommand(kInterestRow, kCmdCopy);
       },
       [](UndoHistoryTest& t) { t.RowCommand(kPastureRow, kCmdPaste); }},
      {"tab inserted", nullptr, [](UndoHistoryTest& t) { t.Command(kCmdInsertTab); }, false,
       false},
      {"tab deleted", [](UndoHistoryTest& t) { t.ClickTab(2); },
       [](UndoHistoryTest& t) {
         t.platform.Answers().QueueAnswer(kIdYes);
         t.Command(kCmdDeleteTab);
       },
       false},
      {"interest rate set", nullptr,
       [](UndoHistoryTest& t) {
         t.InModal([&] { t.Command(kCmdInterest); },
                   {[](HeadlessDialog& dialog) {
                     EXPECT_EQ(UserEdit(dialog, kIdcInterestRate, "6.125"), "");
                     EXPECT_EQ(UserCommand(dialog, kIdOk), "");
                   }});
       }},
      {"budget imported",
       [](UndoHistoryTest& t) {
         WriteTemplate(t.folder.File("TEMPLATE.vqn"));
         App_State().programFolder = t.folder.File("");
       },
       [](UndoHistoryTest& t) {
         t.InModal([&] { t.Command(kCmdImport); },
                   {[](HeadlessDialog& dialog) {
                      EXPECT_EQ(UserSelect(dialog, kIdcImportList, 0), "");
                      EXPECT_EQ(UserCommand(dialog, kIdOk), "");
                    },
                    [](HeadlessDialog& dialog) { EXPECT_EQ(UserClose(dialog), ""); }});
       },
       false},
      {"expense typed in its window", nullptr,
       [](UndoHistoryTest& t) {
         t.InModal([&] { t.Command(kCmdExpenses); },
                   {[](HeadlessDialog& dialog) { UndoHistoryTest::TypeInList(dialog, 2, 1, "Repairs"); },
                    [](HeadlessDialog& dialog) { EXPECT_EQ(UserClose(dialog), ""); }});
       },
       false},
      {"values copied to the worksheets",
       [](UndoHistoryTest& t) {
         t.InModal([&] { t.Command(kCmdExpenses); },
                   {[](HeadlessDialog& dialog) {
                      EXPECT_EQ(UserClickCell(dialog, 2, 1), "");
                      EXPECT_EQ(UserCommand(dialog, kCmdAddHeading), "");
                    },
                    [](HeadlessDialog& dialog) { UndoHistoryTest::TypeInList(dialog, 2, 1, "Repairs"); },
                    [](HeadlessDialog& dialog) { UndoHistoryTest::TypeInList(dialog, 3, 1, "Fences"); },
                    [](HeadlessDialog& dialog) { UndoHistoryTest::TypeInList(dialog, 3, 2, "1234.56789"); },
                    [](HeadlessDialog& dialog) { UndoHistoryTest::TypeInList(dialog, 3, 3, "33.3"); },
                    [](HeadlessDialog& dialog) { EXPECT_EQ(UserClose(dialog), ""); }});
       },
       [](UndoHistoryTest& t) {
         t.InModal([&] { t.Command(kCmdExpenses); },
                   {[](HeadlessDialog& dialog) {
                     EXPECT_EQ(UserCommand(dialog, kIdcCopyValues), "");
                   }});
       }},
  };
  return changes;
}

TEST_F(UndoHistoryKinds, EveryKindOfChangeGoesBackToTheSameBytesAndComesAgain) {
  for (const Change& change : Changes()) Check(change);
}

TEST_F(UndoHistoryTest, UndoingEveryStepLeavesTheDocumentUnmodifiedAndSavingMovesThatPoint) {
  const std::string opened = Saved();
  TypeInCell(kCalvesRow, 5, "200");
  RowCommand(kPastureRow, kCmdDelete);
  EXPECT_TRUE(App_IsModified());
  Command(kCmdUndo);
  Command(kCmdUndo);
  EXPECT_FALSE(App_IsModified());
  EXPECT_EQ(Saved(), opened);
  // Nothing left: the item is greyed and the command does nothing.
  Command(kCmdRedo);
  const std::string path = folder.File("saved.vqn");
  App_Document().Save(path);
  SetDocumentTitle(path);
  EXPECT_FALSE(App_IsModified());
  Command(kCmdRedo);
  EXPECT_TRUE(App_IsModified());
  Command(kCmdUndo);
  EXPECT_FALSE(App_IsModified());
  Command(kCmdUndo);
  EXPECT_TRUE(App_IsModified());
}

TEST_F(UndoHistoryTest, TheEditMenuNamesTheStepAndGreysWhenThereIsNone) {
  const auto item = [this](int command) { return *FindMenuItem(window->MenuBar(), command); };
  EXPECT_TRUE(item(kCmdUndo).grayed);
  EXPECT_TRUE(item(kCmdRedo).grayed);
  RowCommand(kPastureRow, kCmdDelete);
  EXPECT_FALSE(item(kCmdUndo).grayed);
  EXPECT_EQ(item(kCmdUndo).text, "&Undo Delete\tCtrl+Z");
  Command(kCmdUndo);
  EXPECT_TRUE(item(kCmdUndo).grayed);
  EXPECT_EQ(item(kCmdRedo).text, "&Redo Delete\tCtrl+Y");
  // A new document starts without history.
  Command(kCmdRedo);
  platform.Answers().QueueAnswer(kIdYes);
  Command(kCmdNew);
  EXPECT_TRUE(item(kCmdUndo).grayed);
  EXPECT_FALSE(App_UndoStack().CanUndo());
}

TEST_F(UndoHistoryTest, UndoInACellBeingTypedIntoTakesBackTheTypingOnly) {
  TypeInCell(kCalvesRow, 5, "200");
  ClickCell(kCalvesRow, 4);
  Done(UserType(*window, "99"));
  Command(kCmdUndo);
  EXPECT_FALSE(Grid().State().editing);
  EXPECT_EQ(Cell(kCalvesRow, 4), "44.00");
  EXPECT_EQ(Cell(kCalvesRow, 5), "$ 200.00");
  Command(kCmdUndo);
  EXPECT_EQ(Cell(kCalvesRow, 5), "$ 185.00");
}

}  // namespace
