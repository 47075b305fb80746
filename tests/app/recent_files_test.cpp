// The File menu's recent documents.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/recent_files.h"
#include "document/temp_folder.h"
#include "main_window_fixture.h"
#include "platform/menu_items.h"

namespace {

namespace fs = std::filesystem;

constexpr int kCmdRecentFile2 = kCmdRecentFile1 + 1;
constexpr int kCmdRecentFile3 = kCmdRecentFile1 + 2;

TEST(RecentFileList, PutsThePathInFrontOnceAndKeepsEight) {
  TempFolder folder;
  const std::string farm = folder.File("farm.vqn");
  WriteBytes(farm, "");
  fs::create_symlink(farm, folder.File("link.vqn"));

  std::vector<std::string> list;
  for (int i = 1; i <= 9; ++i) list = WithRecentFile(list, folder.File(std::to_string(i) + ".vqn"));
  EXPECT_EQ(list.size(), 8u);
  EXPECT_EQ(list.front(), folder.File("9.vqn"));
  EXPECT_EQ(list.back(), folder.File("2.vqn"));

  // The same file by another name moves up; it is not listed twice.
  list = WithRecentFile(list, folder.File("5.vqn"));
  list = WithRecentFile(list, farm);
  list = WithRecentFile(list, folder.File("sub/../link.vqn"));
  EXPECT_EQ(list.size(), 8u);
  EXPECT_EQ(std::vector<std::string>(list.begin(), list.begin() + 3),
            (std::vector<std::string>{farm, folder.File("5.vqn"), folder.File("9.vqn")}));
  EXPECT_EQ(std::count(list.begin(), list.end(), folder.File("5.vqn")), 1);
}

TEST(RecentFileList, NumbersTheItemAndShowsAnAmpersandAsItself) {
  EXPECT_EQ(RecentFileMenuText(0, "/farms/Smith & Sons.vqn"), "&1 /farms/Smith && Sons.vqn");
  EXPECT_EQ(RecentFileMenuText(7, "/a.vqn"), "&8 /a.vqn");
}

class RecentFilesTest : public MainWindowTest {
 protected:
  const MenuItem& Item(int command) { return *FindMenuItem(window->MenuBar(), command); }
  void ChooseFile(int command, const std::string& path) {
    platform.Answers().QueueFile({path.empty(), path});
    Command(command);
  }

  TempFolder folder;
};

TEST_F(RecentFilesTest, OpenAndSaveAsAddTheDocumentAndItsItemOpensIt) {
  for (int command = kCmdRecentFile1; command <= kCmdRecentFile8; ++command)
    EXPECT_TRUE(Item(command).grayed) << command;

  const std::string farm = folder.File("farm.vqn");
  Edit(kIdcEditIdOrName, "F-1");
  ChooseFile(kCmdSaveAs, farm);
  const std::string herd = folder.File("herd & co.vqn");
  Edit(kIdcEditIdOrName, "H-1");
  ChooseFile(kCmdSaveAs, herd);
  EXPECT_EQ(platform.LoadRecentFiles(), (std::vector<std::string>{herd, farm}));
  EXPECT_EQ(Item(kCmdRecentFile1).text, "&1 " + folder.File("herd && co.vqn"));
  EXPECT_EQ(Item(kCmdRecentFile2).text, "&2 " + farm);
  EXPECT_FALSE(Item(kCmdRecentFile2).grayed);
  EXPECT_TRUE(Item(kCmdRecentFile3).grayed);

  // As Open: unsaved work is asked about first, and kept on No.
  Edit(kIdcEditIdOrName, "H-2");
  platform.Answers().QueueAnswer(kIdNo);
  Command(kCmdRecentFile2);
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "H-2"}));
  platform.Answers().QueueAnswer(kIdYes);
  Command(kCmdRecentFile2);
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "F-1"}));
  EXPECT_EQ(window->GetCaption(), "farm.vqn - Corvale Herdwright");
  EXPECT_FALSE(App_IsModified());
  EXPECT_EQ(platform.LoadRecentFiles(), (std::vector<std::string>{farm, herd}));

  // The next start shows what the settings kept.
  StartUp("");
  EXPECT_EQ(Item(kCmdRecentFile1).text, "&1 " + farm);
}

TEST_F(RecentFilesTest, AMissingFileIsRemovedWithAMessageAndNothingElseChanges) {
  const std::string farm = folder.File("farm.vqn"), gone = folder.File("gone.vqn");
  ChooseFile(kCmdSaveAs, gone);
  ChooseFile(kCmdSaveAs, farm);
  fs::remove(gone);
  Edit(kIdcEditIdOrName, "F-2");
  Command(kCmdRecentFile2);  // no question: there is nothing to open
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"The file " + gone +
                                                     " no longer exists. It has been removed from "
                                                     "the list of recent files."});
  EXPECT_EQ(platform.LoadRecentFiles(), std::vector<std::string>{farm});
  EXPECT_TRUE(Item(kCmdRecentFile2).grayed);
  EXPECT_TRUE(App_IsModified());
  EXPECT_EQ(window->GetCaption(), "farm.vqn - Corvale Herdwright");
}

// Another instance changed the settings: an item opens what it shows.
TEST_F(RecentFilesTest, AnItemOpensTheFileItShows) {
  const std::string farm = folder.File("farm.vqn");
  ChooseFile(kCmdSaveAs, farm);
  platform.StoreRecentFiles({folder.File("other.vqn"), farm});
  Command(kCmdNew);
  Command(kCmdRecentFile1);
  EXPECT_EQ(window->GetCaption(), "farm.vqn - Corvale Herdwright");
}

}  // namespace
