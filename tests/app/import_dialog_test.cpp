#include <filesystem>
#include <functional>

#include "app/app_state.h"
#include "app/import_dialog.h"
#include "document/budget_import.h"
#include "document/temp_folder.h"
#include "main_window_fixture.h"

namespace {

namespace fs = std::filesystem;

// Runs the program's current folder elsewhere for the life of the object.
class InFolder {
 public:
  explicit InFolder(const std::string& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
  }
  ~InFolder() { fs::current_path(previous_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  fs::path previous_;
};

std::string TwoBudgets(std::string_view first, std::string_view second) {
  return "<BUDGETWORKSHEET><LIVESTOCKBUDGET><PUBLICATION>" + std::string(first) +
         "</PUBLICATION><TITLE>First</TITLE></LIVESTOCKBUDGET><LIVESTOCKBUDGET><PUBLICATION>" +
         std::string(second) + "</PUBLICATION><TITLE>Second</TITLE></LIVESTOCKBUDGET>" +
         "</BUDGETWORKSHEET>";
}

class ImportTest : public MainWindowTest {
 protected:
  // The user's steps in the import dialog, one per pump call; all must run.
  void Import(std::vector<std::function<void(HeadlessDialog&)>> steps) {
    std::size_t next = 0;
    platform.SetPump([&] {
      HeadlessDialog* active = platform.ActiveWindow();
      if (next >= steps.size() || active == nullptr || active == window) return false;
      steps[next++](*active);
      platform.RunPosted();
      return true;
    });
    Command(kCmdImport);
    platform.SetPump(nullptr);
    EXPECT_EQ(next, steps.size());
  }
  std::vector<std::string> Entries(HeadlessDialog& dialog) {
    std::vector<std::string> entries;
    for (int i = 0; i < dialog.CountItemStrings(kIdcImportList); ++i)
      entries.push_back((dialog.IsItemSelected(kIdcImportList, i) ? "*" : "") +
                        dialog.GetItemString(kIdcImportList, i));
    return entries;
  }

  TempFolder folder;
};

TEST(ImportTemplate, IsLookedForBesideTheProgramThenInTheCurrentFolder) {
  TempFolder program;
  TempFolder current;
  const InFolder in(current.File(""));
  const std::string programFolder = program.File("");
  EXPECT_EQ(FindImportTemplate(programFolder), "");
  WriteBytes(current.File("TEMPLATE.vqn"), "x");
  EXPECT_EQ(fs::path(FindImportTemplate(programFolder)), fs::current_path() / "TEMPLATE.vqn");
  WriteBytes(program.File("TEMPLATE.vqn"), "x");
  EXPECT_EQ(FindImportTemplate(programFolder), program.File("TEMPLATE.vqn"));
  // A folder of that name is no template.
  fs::remove(program.File("TEMPLATE.vqn"));
  fs::create_directory(program.File("TEMPLATE.vqn"));
  EXPECT_EQ(fs::path(FindImportTemplate(programFolder)), fs::current_path() / "TEMPLATE.vqn");
}

TEST(BudgetCopy, KeepsTheWholeBudgetAndMakesHandedRowsItsOwn) {
  CBudgetWorksheet from;
  CCropBudget& source = *from.GetBudget(0, true);
  source.publicationId = "CC-1";
  source.herdUnitName = "Cow";
  source.numUnits = 10;
  source.interestRate = 8;
  source.interestTerm = 6;
  CBudgetLine& feed = source.AppendLine(kSectionOperating);
  feed.label = "Feed";
  feed.SetKind(kKindTotal);
  feed.value = 1200;
  source.SetCalculated(kSectionOwnership, "Machinery Depreciation", 90, kSourceMachine, true);
  source.UpdateOperatingInterest(true);

  CBudgetWorksheet into;
  into.GetBudget(0, true);
  CCropBudget& first = AppendBudgetCopy(into, source);
  CCropBudget& second = AppendBudgetCopy(into, source);
  ASSERT_EQ(into.CountBudgets(), 3);
  EXPECT_EQ(into.GetBudget(1), &first);
  EXPECT_EQ(first.herdUnitName, "Cow");
  EXPECT_EQ(std::pair(first.interestRate, first.interestTerm), std::pair(8.0, 6.0));
  const CBudgetLine& interest = *first.sections[kSectionOperating]->next;
  EXPECT_EQ(interest.source, +kSourceInterest) << "the budget's own row stays calculated";
  EXPECT_EQ(interest.value, 48.0);
  EXPECT_EQ(first.sections[kSectionOwnership]->source, +kSourceNone)
      << "the other document's machinery is an ordinary line here";
  // The interest row follows the copy's own costs; the second copy is apart.
  first.sections[kSectionOperating]->value = 2400;
  first.UpdateOperatingInterest(false);
  EXPECT_EQ(first.sections[kSectionOperating]->next->value, 96.0);
  EXPECT_EQ(second.sections[kSectionOperating]->next->value, 48.0);
  EXPECT_EQ(first.CountLines(kAllSections), 3);
}

TEST_F(ImportTest, PicksFromTheTemplateAndStaysOpen) {
  WriteBytes(folder.File("TEMPLATE.vqn"), TwoBudgets("A-1", "B-2"));
  App_State().programFolder = folder.File("");
  Import({[&](HeadlessDialog& dialog) {
            EXPECT_EQ(dialog.GetItemText(kIdcImportStatus), "Budgets to import from 'TEMPLATE.vqn'");
            EXPECT_EQ(Entries(dialog), (std::vector<std::string>{"A-1\tFirst", "B-2\tSecond"}));
            EXPECT_EQ(UserSelect(dialog, kIdcImportList, 1), "");
            EXPECT_EQ(UserSelect(dialog, kIdcImportList, 0), "");
            EXPECT_EQ(UserCommand(dialog, kIdOk), "");
          },
          [&](HeadlessDialog& dialog) {
            EXPECT_FALSE(dialog.Ended());
            EXPECT_EQ(Entries(dialog), (std::vector<std::string>{"A-1\tFirst", "B-2\tSecond"}));
            EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "Untitled Tab", "A-1", "B-2"}));
            EXPECT_EQ(window->GetTabSelection(kIdcTabStrip), 3);
            EXPECT_TRUE(App_IsModified());
            EXPECT_EQ(UserCommand(dialog, kIdOk), "");
            EXPECT_EQ(TakeMessages(), std::vector<std::string>{
                "No budgets selected. Click on the budgets in the list you want to import."});
            EXPECT_EQ(UserKey(dialog, GridKey::Escape), "");
          }});
  EXPECT_EQ(App_Document().CountBudgets(), 3);
}

TEST_F(ImportTest, OtherFilesThatCannotBeReadLeaveAnEmptyList) {
  WriteBytes(folder.File("TEMPLATE.vqn"), TwoBudgets("A-1", "B-2"));
  WriteBytes(folder.File("none.vqn"), "<BUDGETWORKSHEET></BUDGETWORKSHEET>");
  App_State().programFolder = folder.File("");
  const std::string missing = folder.File("missing.vqn");
  Import({[&](HeadlessDialog& dialog) {
            platform.Answers().QueueFile({false, missing});
            EXPECT_EQ(UserCommand(dialog, kIdcImportOtherFiles), "");
            EXPECT_EQ(dialog.GetItemText(kIdcImportStatus), "No file read");
            EXPECT_EQ(dialog.CountItemStrings(kIdcImportList), 0);
            EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Problem opening file <" + missing + ">"});
            EXPECT_EQ(UserCommand(dialog, kIdOk), "");
            EXPECT_EQ(TakeMessages(),
                      std::vector<std::string>{"List is empty, no budgets to import."});
            // A cancelled choice keeps the dialog and its list.
            platform.Answers().QueueFile({true, {}});
            EXPECT_EQ(UserCommand(dialog, kIdcImportOtherFiles), "");
            EXPECT_FALSE(dialog.Ended());
            platform.Answers().QueueFile({false, folder.File("none.vqn")});
            EXPECT_EQ(UserCommand(dialog, kIdcImportOtherFiles), "");
            EXPECT_EQ(dialog.GetItemText(kIdcImportStatus), "Budgets to import from 'none.vqn'");
            EXPECT_EQ(UserCommand(dialog, kIdOk), "");
            EXPECT_EQ(TakeMessages(),
                      std::vector<std::string>{"List is empty, no budgets to import."});
            EXPECT_EQ(UserClose(dialog), "");
          }});
  EXPECT_EQ(App_Document().CountBudgets(), 1);
  EXPECT_FALSE(App_IsModified());
}

TEST_F(ImportTest, ADoubleClickImportsTheEntryClicked) {
  WriteBytes(folder.File("TEMPLATE.vqn"), TwoBudgets("A-1", ""));
  App_State().programFolder = folder.File("");
  Import({[&](HeadlessDialog& dialog) {
    EXPECT_EQ(UserSelect(dialog, kIdcImportList, 0), "");
    EXPECT_EQ(UserDoubleClickItem(dialog, kIdcImportList, 1), "");
    EXPECT_EQ(Entries(dialog), (std::vector<std::string>{"A-1\tFirst", "\tSecond"}));
    EXPECT_EQ(UserDoubleClickItem(dialog, kIdcImportOtherFiles, 0),
              "control 1071 is not a list box");
    EXPECT_EQ(UserKey(dialog, GridKey::Escape), "");
  }});
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "Untitled Tab", "Untitled Tab"}));
  EXPECT_EQ(Budget(1).title, "Second");
}

}  // namespace
