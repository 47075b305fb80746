#include "app/app_state.h"
#include "document/temp_folder.h"
#include "main_window_fixture.h"

namespace {

class FileCommandsTest : public MainWindowTest {
 protected:
  void ChooseFile(int command, const std::string& path) {
    platform.Answers().QueueFile({path.empty(), path});
    Command(command);
  }

  TempFolder folder;
};

TEST_F(FileCommandsTest, SaveWritesToTheKnownNameAndAFailedSaveKeepsIt) {
  const std::string path = folder.File("herd.vqn");
  ChooseFile(kCmdSaveAs, path);
  Edit(kIdcEditTitleOrPhone, "Cow-calf");
  Command(kCmdSave);  // the name is known: no file dialog
  EXPECT_FALSE(App_IsModified());
  EXPECT_NE(ReadBytes(path).find("<TITLE>Cow-calf</TITLE>"), std::string::npos);

  Edit(kIdcEditIdOrName, "CC-09");
  ChooseFile(kCmdSaveAs, folder.File("missing/herd.vqn"));
  EXPECT_EQ(TakeMessages().at(0).rfind("Problem saving file <", 0), 0u);
  EXPECT_TRUE(App_IsModified());
  EXPECT_EQ(window->GetCaption(), "herd.vqn - Corvale Herdwright");
  EXPECT_EQ(App_State().documentPath, path);
}

TEST_F(FileCommandsTest, FailedOpenLeavesAnUntitledWorksheet) {
  CBudgetWorksheet document;
  document.GetBudget(0, true)->publicationId = "A-1";
  document.GetBudget(1, true)->publicationId = "B-2";
  const std::string saved = folder.File("ranch.vqn");
  ASSERT_TRUE(document.Save(saved));
  const std::string missing = folder.File("gone.vqn");
  const std::vector<std::string> untitled{"Summary", "Untitled Tab"};

  StartUp(saved);
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "A-1", "B-2"}));
  EXPECT_FALSE(App_IsModified());
  for (const std::string& commandLine : {std::string("/Setup"), std::string("/nosetup"), missing}) {
    StartUp(commandLine);
    EXPECT_EQ(TabLabels(), untitled) << commandLine;
  }
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Problem opening file <" + missing + ">"});

  ChooseFile(kCmdOpen, saved);
  ChooseFile(kCmdOpen, missing);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Problem opening file <" + missing + ">"});
  EXPECT_EQ(TabLabels(), untitled);
  EXPECT_EQ(window->GetCaption(), "Corvale Herdwright");
  // Save asks for a name rather than overwrite the file that was open.
  ChooseFile(kCmdSave, "");
  EXPECT_NE(ReadBytes(saved).find("A-1"), std::string::npos);
}

TEST_F(FileCommandsTest, FileDialogsStartAtTheDocumentOrInTheDocumentsFolder) {
  platform.SetDocumentsFolder("/home/ann/Documents/");
  ChooseFile(kCmdSave, "");  // a new worksheet: Save asks for a name
  ChooseFile(kCmdOpen, "");
  const std::string path = folder.File("herd.vqn");
  ChooseFile(kCmdSaveAs, path);
  ChooseFile(kCmdSaveAs, "");
  ChooseFile(kCmdOpen, "");
  EXPECT_EQ(platform.ProposedFiles(),
            (std::vector<std::string>{"/home/ann/Documents/Untitled.vqn", "/home/ann/Documents/",
                                      "/home/ann/Documents/Untitled.vqn", path, path}));
}

// Opening a file whose operating interest row no longer matches its costs brings
// the row up to date, as showing the budget does; a save with the modified flag
// clear must then still write the file as it was.
TEST_F(FileCommandsTest, OpeningAStaleInterestRowMarksTheDocumentModified) {
  CBudgetWorksheet document;
  CCropBudget* budget = document.GetBudget(0, true);
  budget->interestRate = 8;
  budget->interestTerm = 6;
  budget->AppendLine(kSectionOperating).SetValue(6, "300", nullptr);
  budget->AppendLine(kSectionOperating).SetValue(6, "200", nullptr);
  budget->UpdateOperatingInterest(true);
  const std::string current = folder.File("current.vqn"), stale = folder.File("stale.vqn");
  ASSERT_TRUE(document.Save(current));
  std::string bytes = ReadBytes(current);
  const std::size_t interest = bytes.find("<TOTAL>20.0000</TOTAL>");
  ASSERT_NE(interest, std::string::npos);
  WriteBytes(stale, bytes.replace(interest, 22, "<TOTAL>99.0000</TOTAL>"));

  for (const bool fromCommandLine : {true, false}) {
    for (const std::string& path : {current, stale}) {
      const std::string before = ReadBytes(path);
      if (fromCommandLine) {
        StartUp(path);
      } else {
        StartUp("");
        ChooseFile(kCmdOpen, path);
      }
      EXPECT_EQ(Cell(7, 6), "$ 20.00") << path;
      EXPECT_EQ(App_IsModified(), path == stale) << path;
      if (!App_IsModified()) {
        Command(kCmdSave);
        EXPECT_EQ(ReadBytes(path), before) << path;
      }
    }
    WriteBytes(stale, bytes);
  }
}

}  // namespace
