#include "platform/headless_script_runner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "grid/grid_engine.h"
#include "platform/headless_platform.h"
#include "platform/headless_script_app.h"
#include "platform/headless_test_dialog.h"

namespace {

using namespace headless_test;

constexpr int kChooseFile = 200;
constexpr int kDeleteRow = 1050;

DialogTemplate InnerTemplate() {
  DialogTemplate inner = TestTemplate();
  inner.caption = "Inner";
  inner.menu = nullptr;
  std::erase_if(inner.controls,
                [](const ControlTemplate& c) { return c.kind == ControlKind::kGrid; });
  return inner;
}

// A stand-in program: a main window whose commands ask questions, open a file
// dialog, a modal dialog and a row menu.
class TestApp : public ScriptApp {
 public:
  explicit TestApp(HeadlessPlatform& platform) : platform_(platform) {}

  void StartUp(std::string_view commandLine) override {
    platform_.CreateModeless(
        TestTemplate(), [this](Dialog& d, const DialogEvent& e) { return Main(d, e); }, nullptr, 0);
    if (!commandLine.empty()) Say("opened " + std::string(commandLine));
  }
  bool IsModified() override { return false; }
  bool Save(const std::string& path) override { return path != "bad"; }

 private:
  void Say(const std::string& text) { platform_.ShowMessage(text, "Test"); }

  int Main(Dialog& dialog, const DialogEvent& event) {
    if (event.kind == DialogEventKind::kInit) {
      GridEngine& grid = *dialog.GetGrid(kGrid);
      grid.SendMessage(GM_SETDIMENSIONS, 3, 2);
      grid.SendMessage(GM_SETEDITABLE, 1);
      SetGridCell(grid, 1, 1, "Hay");
    }
    if (event.kind != DialogEventKind::kCommand) return 1;
    if (event.id == kGrid && event.code == GN_CONTEXTMENU)
      dialog.TrackPopupMenu({{kDeleteRow, "Delete", false, {}}, {}, {1053, "Paste", true, {}}}, 0,
                            0);
    if (event.id == kDeleteRow) Say("deleted");
    if (event.id == kMenuNew &&
        platform_.Ask("Start over?", "Test", MessageButtons::kYesNo) == kIdYes)
      Say("cleared");
    if (event.id == kChooseFile) {
      std::string path;
      Say(platform_.ChooseOpenFile(&dialog, {}, &path) ? "chose " + path : "cancelled");
    }
    if (event.id == kOpenButton) {
      const int result = platform_.RunModal(
          InnerTemplate(), [](Dialog& d, const DialogEvent& e) { return Inner(d, e); }, &dialog, 0);
      Say("inner returned " + std::to_string(result));
    }
    return 1;
  }

  static int Inner(Dialog& dialog, const DialogEvent& event) {
    if (event.kind == DialogEventKind::kCommand && (event.id == kIdOk || event.id == kIdCancel))
      dialog.EndDialog(event.id);
    return 1;
  }

  HeadlessPlatform& platform_;
};

struct ScriptRun {
  ScriptResult result;
  std::string out;
};

class ScriptRunnerTest : public ::testing::Test {
 protected:
  ScriptRun Script(std::string_view script) {
    std::ostringstream out;
    ScriptResult result = RunScript(script, platform, app, out);
    return {result, out.str()};
  }

  HeadlessPlatform platform;
  TestApp app{platform};
};

TEST_F(ScriptRunnerTest, ADialogStillOpenWhenTheScriptEndsIsCancelled) {
  const ScriptRun run = Script("start\ncommand 16\n");
  EXPECT_EQ(run.result.status, 0) << run.result.error;
  EXPECT_EQ(platform.Messages(), std::vector<std::string>{"inner returned 2"});
  EXPECT_EQ(platform.MainWindow(), nullptr);  // the windows are closed at the end
}

TEST_F(ScriptRunnerTest, QueuedAnswersReachQuestionsFileDialogsAndGridMenus) {
  const ScriptRun run = Script(
      "start /farm/a.vqn\r\n"
      "answer yes   # a comment\r\n"
      "command 100\r\n"
      "file \"/farm/my herd.vqn\"\n"
      "command 200\n"
      "rclick 1 1\n"
      "menu 1050\n"
      "rclick 2 1\n"
      "dump menu\n"
      "dump messages\n");
  EXPECT_EQ(run.result.status, 0) << run.result.error;
  EXPECT_EQ(run.out,
            "1050\tDelete\tenabled\n-\n1053\tPaste\tgrayed\n"
            "opened /farm/a.vqn\nStart over?\ncleared\nchose /farm/my herd.vqn\ndeleted\n");
}

TEST_F(ScriptRunnerTest, TheFirstFailingLineStopsTheScript) {
  struct Case {
    std::string script;
    std::string error;
    std::string out;
  };
  const std::vector<Case> cases = {
      {"frobnicate\ndump modified", "line 1: unknown command frobnicate", ""},
      {"command 1", "line 1: no window is open", ""},
      {"start\n\n# note\ncommand 100\ndump modified", "line 4: unanswered question: Start over?",
       ""},
      {"start\ncommand 200", "line 2: unanswered file dialog", ""},
      {"start\nanswer ok\ncommand 100", "line 3: answer ok does not fit the question: Start over?",
       ""},
      {"start\nmenu 1053\nrclick 1 1", "line 3: menu item 1053 is grayed", ""},
      {"start\ncommand 16\ndump title\nfrob\ndump title", "line 4: unknown command frob",
       "Inner\n"},
      {"start\ncommand 16\ndump cells", "line 3: the window has no grid", ""},
      {"start\ncommand 101", "line 2: menu item 101 is grayed", ""},
      {"start\nkey Sideways", "line 2: unknown key Sideways", ""},
      {"start\nedit 11", "line 2: usage: edit ID \"TEXT\"", ""},
      {"start\ncursor 9 1", "line 2: there is no cell 9 1 in the grid", ""},
      {"start\ndump nothing", "line 2: unknown dump nothing", ""},
      {"start\nsave bad", "line 2: the document could not be saved to bad", ""},
      {"start\nstart", "line 2: the program has already started", ""},
  };
  for (const Case& c : cases) {
    HeadlessPlatform fresh;
    TestApp freshApp(fresh);
    std::ostringstream out;
    const ScriptResult result = RunScript(c.script, fresh, freshApp, out);
    EXPECT_EQ(result.status, 1) << c.script;
    EXPECT_EQ(result.error, c.error) << c.script;
    EXPECT_EQ(out.str(), c.out) << c.script;
  }
}

}  // namespace
