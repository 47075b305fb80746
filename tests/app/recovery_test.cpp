// Unsaved work written aside while the program runs, and offered at the next
// start when a program was killed before it could save.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/auto_recovery.h"
#include "app/recovery_store.h"
#include "document/temp_folder.h"
#include "main_window_fixture.h"
#include "support/as_nobody.h"
#include "text/file_replace.h"
#include "text/tag_buffer.h"

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kUntitledTabs{"Summary", "Untitled Tab"};

std::string DocumentBytes(const CBudgetWorksheet& document) {
  CTagBuffer buffer;
  document.WriteTags(buffer);
  return std::string(buffer.View());
}

std::string WorksheetWith(const std::string& publicationId) {
  CBudgetWorksheet document;
  document.GetBudget(0, true)->publicationId = publicationId;
  return DocumentBytes(document);
}

fs::perms Mode(const std::string& path) { return fs::status(path).permissions(); }

void SetAge(const std::string& path, std::chrono::minutes age) {
  fs::last_write_time(path, fs::file_time_type::clock::now() - age);
}

class ScopedCurrentPath {
 public:
  explicit ScopedCurrentPath(const std::string& path) { fs::current_path(path); }
  ~ScopedCurrentPath() { fs::current_path(previous_); }

 private:
  fs::path previous_ = fs::current_path();
};

class RecoveryTest : public MainWindowTest {
 protected:
  void SetUp() override {
    fs::remove_all(RecoveryFolder());
    MainWindowTest::SetUp();
  }

  // The minute passes; the write is on disk afterwards.
  void Tick() {
    ASSERT_TRUE(platform.FireTimers());
    App_WaitForRecovery();
  }
  void ChooseFile(int command, const std::string& path) {
    platform.Answers().QueueFile({path.empty(), path});
    Command(command);
  }

  // A document saved an hour ago.
  std::string SavedDocument(const std::string& name, const std::string& publicationId) {
    const std::string path = folder.File(name);
    WriteBytes(path, WorksheetWith(publicationId));
    SetAge(path, std::chrono::minutes(60));
    return path;
  }
  // What a killed program left, written that long ago.
  RecoveryFiles Abandoned(const std::string& documentPath, const std::string& bytes,
                          std::chrono::minutes age = std::chrono::minutes(1)) {
    std::string error;
    EXPECT_TRUE(PreparePrivateFolder(RecoveryFolder(), &error)) << error;
    const RecoveryFiles files = RecoveryFilesOf(RecoveryFolder(), NewRecoveryId());
    WriteBytes(files.origin, documentPath);
    WriteBytes(files.document, bytes);
    WriteBytes(files.lock, "");
    SetAge(files.document, age);
    return files;
  }
  std::set<std::string> RecoveryNames() const {
    std::set<std::string> names;
    std::error_code none;
    for (const auto& entry : fs::directory_iterator(RecoveryFolder(), none))
      names.insert(entry.path().filename().string());
    return names;
  }
  std::set<std::string> NamesOf(const RecoveryFiles& files) const {
    return {fs::path(files.document).filename().string(), fs::path(files.origin).filename().string(),
            fs::path(files.lock).filename().string()};
  }

  TempFolder folder;
};

TEST_F(RecoveryTest, WritesTheDocumentWhileItHasUnsavedChangesAndOnlyThen) {
  Tick();
  EXPECT_EQ(RecoveryNames(), std::set<std::string>{});

  Edit(kIdcEditIdOrName, "CC-1");
  Tick();
  const RecoveryFiles files = RecoveryFilesOf(RecoveryFolder(), fs::path(App_RecoveryFile()).stem());
  EXPECT_EQ(RecoveryNames(), NamesOf(files));
  EXPECT_EQ(ReadBytes(files.document), DocumentBytes(App_Document()));
  EXPECT_EQ(ReadBytes(files.origin), "");  // untitled

  // Saved, it needs no recovery; changed again, it is written on a tab change
  // too, naming its document by the absolute path.
  const ScopedCurrentPath inFolder(folder.File(""));
  ChooseFile(kCmdSaveAs, "herd.vqn");
  EXPECT_EQ(RecoveryNames(), std::set<std::string>{});
  Edit(kIdcEditIdOrName, "CC-2");
  ClickTab(0);
  App_WaitForRecovery();
  EXPECT_EQ(ReadBytes(App_RecoveryFile()), DocumentBytes(App_Document()));
  EXPECT_EQ(ReadBytes(RecoveryFilesOf(RecoveryFolder(), fs::path(App_RecoveryFile()).stem()).origin),
            folder.File("herd.vqn"));

  // Back to the saved state (as an undo brings it), the file goes at the next minute.
  App_State().modified = false;
  Tick();
  EXPECT_EQ(RecoveryNames(), std::set<std::string>{});
}

TEST_F(RecoveryTest, KeepsTheWorkFromOtherUsers) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to become another user";
  Edit(kIdcEditIdOrName, "CC-1");
  Tick();
  const std::string parent = fs::path(RecoveryFolder()).parent_path();
  EXPECT_EQ(Mode(RecoveryFolder()), fs::perms(0700));
  EXPECT_EQ(Mode(parent), fs::perms(0700));
  EXPECT_EQ(Mode(App_RecoveryFile()), fs::perms(0600));
  // Even with the folders opened up, the file itself stays closed.
  fs::permissions(RecoveryFolder(), fs::perms(0755));
  fs::permissions(parent, fs::perms(0755));
  EXPECT_FALSE(AsNobody([&] { return ::access(App_RecoveryFile().c_str(), R_OK) == 0; }));
  Tick();
  EXPECT_EQ(Mode(RecoveryFolder()), fs::perms(0700));

  // A folder another user planted is not written into.
  App_DiscardRecovery();
  ASSERT_EQ(::chown(RecoveryFolder().c_str(), 65534, 65534), 0);
  Tick();
  EXPECT_EQ(RecoveryNames(), std::set<std::string>{});
  ASSERT_EQ(TakeMessages().size(), 1u);
}

// The writer thread's failure reaches the user at the next minute, once a run.
TEST_F(RecoveryTest, AWriteThatFailsIsReportedOnce) {
  Edit(kIdcEditIdOrName, "CC-1");
  fs::create_directories(App_RecoveryFile());
  for (int minute = 0; minute < 3; ++minute) Tick();
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Unsaved changes could not be kept in the "
                                                     "recovery file <" + App_RecoveryFile() +
                                                     ">\n\nIt is a folder"});
}

TEST_F(RecoveryTest, NewOpenSaveAndExitRemoveIt) {
  const std::string saved = SavedDocument("ranch.vqn", "A-1");
  for (const int command : {kCmdNew, kCmdOpen, kCmdSave, kCmdExit}) {
    // A new ID each time: an edit that leaves the same one changes nothing.
    Edit(kIdcEditIdOrName, "CC-" + std::to_string(command));
    Tick();
    ASSERT_FALSE(RecoveryNames().empty()) << command;
    if (command != kCmdSave) platform.Answers().QueueAnswer(kIdYes);  // discard the changes
    if (command == kCmdOpen) platform.Answers().QueueFile({false, saved});
    Command(command);
    EXPECT_EQ(RecoveryNames(), std::set<std::string>{}) << command;
  }
  EXPECT_EQ(App_State().mainWindow, nullptr);
}

TEST_F(RecoveryTest, OffersAbandonedWorkAndTakesItOver) {
  const std::string saved = SavedDocument("ranch.vqn", "A-1");
  const RecoveryFiles files = Abandoned(saved, WorksheetWith("B-2"));
  platform.Answers().QueueAnswer(kIdYes);
  StartUp(saved);
  const std::vector<std::string> messages = TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("Recover unsaved changes to ranch.vqn from ", 0), 0u) << messages[0];
  EXPECT_EQ(messages[0].back(), '?');
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "B-2"}));
  EXPECT_EQ(window->GetCaption(), "ranch.vqn - Corvale Herdwright");
  EXPECT_TRUE(App_IsModified());

  // Its files are this program's now: written on, and gone with a save.
  EXPECT_EQ(App_RecoveryFile(), files.document);
  Tick();
  EXPECT_EQ(RecoveryNames(), NamesOf(files));
  Command(kCmdSave);
  EXPECT_EQ(RecoveryNames(), std::set<std::string>{});
  EXPECT_NE(ReadBytes(saved).find("B-2"), std::string::npos);
}

TEST_F(RecoveryTest, DeclinedWorkStaysUntilTheNextSaveOrTheEnd) {
  const RecoveryFiles untitled = Abandoned("", WorksheetWith("B-2"));
  platform.Answers().QueueAnswer(kIdNo);
  StartUp("");
  ASSERT_EQ(TakeMessages().size(), 1u);
  EXPECT_EQ(TabLabels(), kUntitledTabs);
  EXPECT_FALSE(App_IsModified());
  // Opening another document is no save.
  ChooseFile(kCmdOpen, SavedDocument("ranch.vqn", "A-1"));
  EXPECT_EQ(RecoveryNames(), NamesOf(untitled));
  // Nor does a second instance offer it while this one runs.
  EXPECT_TRUE(FindAbandonedRecoveries(RecoveryFolder()).empty());
  ChooseFile(kCmdSaveAs, folder.File("other.vqn"));
  EXPECT_EQ(RecoveryNames(), std::set<std::string>{});

  const RecoveryFiles later = Abandoned("", WorksheetWith("C-3"));
  platform.Answers().QueueAnswer(kIdNo);
  StartUp("");
  EXPECT_EQ(RecoveryNames(), NamesOf(later));
  platform.CloseWindows();
  EXPECT_EQ(RecoveryNames(), std::set<std::string>{});
}

TEST_F(RecoveryTest, ForgetsWorkOlderThanItsDocumentAndReportsWhatCannotBeRead) {
  const std::string saved = SavedDocument("ranch.vqn", "A-1");
  const RecoveryFiles outdated = Abandoned(saved, WorksheetWith("B-2"), std::chrono::minutes(90));
  WriteBytes(ReplacementTemporaryPath(outdated.document), "a write that was killed");
  StartUp(saved);  // no answer queued: nothing may be asked
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{});
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "A-1"}));
  EXPECT_EQ(RecoveryNames(), std::set<std::string>{});

  const RecoveryFiles garbled = Abandoned("", "half a file");
  StartUp("");
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{
                                "The unsaved changes to Untitled kept in <" + garbled.document +
                                "> cannot be read, and the file has been removed.\n\nIt holds no "
                                "worksheet."});
  EXPECT_EQ(RecoveryNames(), std::set<std::string>{});

  // A document that is gone leaves its recovery the only copy.
  const std::string gone = folder.File("gone.vqn");
  Abandoned(gone, WorksheetWith("B-2"));
  platform.Answers().QueueAnswer(kIdYes);
  StartUp("");
  EXPECT_EQ(TakeMessages().at(0).rfind("Recover unsaved changes to gone.vqn from ", 0), 0u);
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "B-2"}));
  EXPECT_EQ(App_State().documentPath, gone);
}

TEST_F(RecoveryTest, OffersTheCommandLineDocumentsWorkFirstThenTheNewest) {
  const std::string ranch = SavedDocument("ranch.vqn", "A-1");
  const std::string herd = SavedDocument("herd.vqn", "H-1");
  Abandoned(ranch, WorksheetWith("R-2"), std::chrono::minutes(30));
  Abandoned("", WorksheetWith("U-2"), std::chrono::minutes(20));
  Abandoned(herd, WorksheetWith("H-2"), std::chrono::minutes(10));
  for (const int answer : {kIdNo, kIdNo, kIdYes}) platform.Answers().QueueAnswer(answer);
  StartUp(ranch);
  std::vector<std::string> names;
  for (const std::string& question : TakeMessages())
    names.push_back(question.substr(0, question.find(" from ")));
  EXPECT_EQ(names, (std::vector<std::string>{"Recover unsaved changes to ranch.vqn",
                                             "Recover unsaved changes to herd.vqn",
                                             "Recover unsaved changes to Untitled"}));
  EXPECT_EQ(TabLabels(), (std::vector<std::string>{"Summary", "U-2"}));
  EXPECT_EQ(window->GetCaption(), "Corvale Herdwright");
  EXPECT_TRUE(App_IsModified());
}

TEST(RecoveryFolder, FollowsTheStateHomeAndIsMadeForTheUserAlone) {
  TempFolder folder;
  const char* previous = std::getenv("XDG_STATE_HOME");
  const std::string kept = previous ? previous : "";
  ::setenv("XDG_STATE_HOME", folder.File("deep/state").c_str(), 1);
  EXPECT_EQ(RecoveryFolder(), folder.File("deep/state") + "/fenmarsh-herdwright/recovery");
  std::string error;
  EXPECT_TRUE(PreparePrivateFolder(RecoveryFolder(), &error)) << error;
  EXPECT_EQ(Mode(folder.File("deep")), fs::perms(0700));
  EXPECT_EQ(Mode(RecoveryFolder()), fs::perms(0700));

  // A relative state home counts as unset; a link in the folder's place is refused.
  ::setenv("XDG_STATE_HOME", "relative/state", 1);
  EXPECT_EQ(RecoveryFolder().rfind(std::string(std::getenv("HOME")) + "/.local/state/", 0), 0u);
  fs::create_symlink(folder.File("deep"), folder.File("link"));
  EXPECT_FALSE(PreparePrivateFolder(folder.File("link"), &error));
  EXPECT_EQ(error, "The folder " + folder.File("link") + " does not belong to this user");
  ::setenv("XDG_STATE_HOME", kept.c_str(), 1);
}

}  // namespace
