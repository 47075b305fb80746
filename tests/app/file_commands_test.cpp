#include "app/app_state.h"
#include "document/temp_folder.h"
#include "main_window_fixture.h"

namespace {

constexpr const char* kExitQuestion =
    "Are you sure you want to close this program without saving changes?";

class FileCommandsTest : public MainWindowTest {
 protected:
  void MakeChanges() { Edit(kIdcEditId, "CC-09"); }
  std::string SavedWorksheet(std::initializer_list<const char*> ids) {
    CBudgetWorksheet document;
    int position = 0;
    for (const char* id : ids) document.GetBudget(position++, true)->publicationId = id;
    const std::string path = folder.File("ranch.vqn");
    EXPECT_TRUE(document.Save(path));
    return path;
  }
  void ChooseFile(int command, const std::string& path) {
    platform.Answers().QueueFile({path.empty(), path});
    Command(command);
  }

  TempFolder folder;
};

TEST_F(FileCommandsTest, UnsavedWorkIsOnlyDroppedOnYes) {
  struct Case {
    int command;
    const char* question;
  };
  const Case cases[] = {
      {kCmdNew, "Are you sure you want to start a new file without saving your current work?"},
      {kCmdOpen, "Are you sure you want to open a file without saving your current work?"},
      {kCmdExit, kExitQuestion},
  };
  for (const Case& c : cases) {
    MakeChanges();
    platform.Answers().QueueAnswer(kIdNo);
    Command(c.command);
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{c.question});
    EXPECT_TRUE(App_IsModified()) << c.command;
    EXPECT_FALSE(window->Destroyed()) << c.command;
  }
  Command(kCmdInsertTab);
  platform.Answers().QueueAnswer(kIdYes);
  Command(kCmdNew);
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "Untitled Tab"}));
  EXPECT_EQ(Text(kIdcEditId), "");
  EXPECT_FALSE(App_IsModified());
  platform.Answers().QueueAnswer(kIdYes);
  MakeChanges();
  Command(kCmdExit);
  EXPECT_TRUE(window->Destroyed());
}

TEST_F(FileCommandsTest, CancelledSaveAsKeepsTheWorkUnsaved) {
  MakeChanges();
  ChooseFile(kCmdSave, "");
  EXPECT_TRUE(App_IsModified());
  platform.Answers().QueueAnswer(kIdNo);
  Command(kCmdExit);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{kExitQuestion});
}

TEST_F(FileCommandsTest, SaveAsNamesTheWindowAndSaveWritesThere) {
  MakeChanges();
  const std::string path = folder.File("herd.vqn");
  ChooseFile(kCmdSaveAs, path);
  EXPECT_FALSE(App_IsModified());
  EXPECT_EQ(window->GetCaption(), "herd.vqn - Corvale Herdwright");
  Edit(kIdcEditTitle, "Cow-calf");
  Command(kCmdSave);  // the name is known: no file dialog
  EXPECT_FALSE(App_IsModified());
  EXPECT_NE(ReadBytes(path).find("<TITLE>Cow-calf</TITLE>"), std::string::npos);
}

TEST_F(FileCommandsTest, FailedSaveKeepsNameCaptionAndModifiedFlag) {
  ChooseFile(kCmdSaveAs, folder.File("herd.vqn"));
  MakeChanges();
  ChooseFile(kCmdSaveAs, folder.File("missing/herd.vqn"));
  EXPECT_EQ(TakeMessages().at(0).rfind("Problem saving file <", 0), 0u);
  EXPECT_TRUE(App_IsModified());
  EXPECT_EQ(window->GetCaption(), "herd.vqn - Corvale Herdwright");
  EXPECT_EQ(App_State().documentPath, folder.File("herd.vqn"));
}

TEST_F(FileCommandsTest, OpenShowsTheFirstBudget) {
  ChooseFile(kCmdOpen, SavedWorksheet({"A-1", "B-2"}));
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "A-1", "B-2"}));
  EXPECT_EQ(SelectedTab(), 1);
  EXPECT_EQ(Text(kIdcEditId), "A-1");
  EXPECT_EQ(window->GetCaption(), "ranch.vqn - Corvale Herdwright");
}

TEST_F(FileCommandsTest, FailedOpenLeavesAnUntitledWorksheet) {
  ChooseFile(kCmdOpen, SavedWorksheet({"A-1"}));
  const std::string missing = folder.File("gone.vqn");
  ChooseFile(kCmdOpen, missing);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Problem opening file <" + missing + ">"});
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "Untitled Tab"}));
  EXPECT_EQ(window->GetCaption(), "Corvale Herdwright");
  // Save asks for a name rather than overwrite the file that was open.
  ChooseFile(kCmdSave, "");
  EXPECT_NE(ReadBytes(folder.File("ranch.vqn")).find("A-1"), std::string::npos);
}

TEST_F(FileCommandsTest, StartUpOpensTheCommandLineDocumentUnlessItIsASwitch) {
  StartUp(SavedWorksheet({"A-1", "B-2"}));
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "A-1", "B-2"}));
  EXPECT_EQ(window->GetCaption(), "ranch.vqn - Corvale Herdwright");
  EXPECT_FALSE(App_IsModified());
  const std::string missing = folder.File("gone.vqn");
  for (const std::string& commandLine : {std::string("/Setup"), std::string("/nosetup"), missing}) {
    StartUp(commandLine);
    EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "Untitled Tab"}));
    EXPECT_EQ(window->GetCaption(), "Corvale Herdwright");
  }
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Problem opening file <" + missing + ">"});
}

TEST_F(FileCommandsTest, DeletingATabSelectsTheOneThatTookItsPlace) {
  for (int i = 0; i < 4; ++i) TabMenu(kCmdInsertTab);
  EXPECT_FALSE(App_IsModified());
  for (int i = 0; i < 5; ++i) Budget(i).publicationId = "B" + std::to_string(i + 1);
  ClickTab(3);
  TabMenu(kCmdDeleteTab);
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "B1", "B2", "B4", "B5"}));
  EXPECT_EQ(SelectedTab(), 3);
  EXPECT_EQ(Text(kIdcEditId), "B4");
  EXPECT_TRUE(App_IsModified());
  ClickTab(4);
  TabMenu(kCmdDeleteTab);
  EXPECT_EQ(SelectedTab(), 3);
  for (int i = 0; i < 3; ++i) TabMenu(kCmdDeleteTab);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Can't delete last or only budget."});
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "B1"}));
}

}  // namespace
