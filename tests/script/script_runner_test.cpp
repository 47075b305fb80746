#include "script/script_runner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "grid/grid_engine.h"
#include "headless/headless_platform.h"
#include "headless/headless_script_shell.h"
#include "script/script_app.h"
#include "headless/headless_test_dialog.h"

namespace {

using namespace headless_test;

constexpr int kChooseFile = 200;

DialogTemplate InnerTemplate() {
  DialogTemplate inner = TestTemplate();
  inner.caption = "Inner";
  inner.menu = nullptr;
  std::erase_if(inner.controls,
                [](const ControlTemplate& c) { return c.kind == ControlKind::kGrid; });
  return inner;
}

// A stand-in program: a main window whose commands ask questions, open a file
// dialog and a modal dialog. Queued answers and menus that work are held by the
// golden scripts on the real program; these are the failures around them.
class TestApp : public ScriptApp {
 public:
  explicit TestApp(HeadlessPlatform& platform) : platform_(platform) {}

  void StartUp(std::string_view) override {
    platform_.CreateModeless(
        TestTemplate(), [this](Dialog& d, const DialogEvent& e) { return Main(d, e); }, nullptr, 0);
  }
  bool IsModified() override { return false; }
  bool Save(const std::string& path) override { return path != "bad"; }

 private:
  void Say(const std::string& text) { platform_.ShowMessage(text, "Test"); }

  int Main(Dialog& dialog, const DialogEvent& event) {
    if (event.kind == DialogEventKind::kInit)
      dialog.GetGrid(kGrid)->SendMessage(GM_SETDIMENSIONS, 3, 2);
    if (event.kind != DialogEventKind::kCommand) return 1;
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
    ScriptResult result = RunScript(script, shell, app, out);
    return {result, out.str()};
  }

  HeadlessPlatform platform;
  HeadlessScriptShell shell{platform};
  TestApp app{platform};
};

TEST_F(ScriptRunnerTest, ADialogStillOpenWhenTheScriptEndsIsCancelled) {
  const ScriptRun run = Script("start\r\ncommand 16\r\n");
  EXPECT_EQ(run.result.status, 0) << run.result.error;
  EXPECT_EQ(platform.Messages(), std::vector<std::string>{"inner returned 2"});
  EXPECT_EQ(platform.MainWindow(), nullptr);  // the windows are closed at the end
}

TEST_F(ScriptRunnerTest, TheFirstFailingLineStopsTheScript) {
  struct Case {
    std::string script;
    std::string error;
    std::string out;
  };
  const std::vector<Case> cases = {
      {"command 1", "line 1: no window is open", ""},
      {"start\ncommand 200", "line 2: unanswered file dialog", ""},
      {"start\nanswer ok\ncommand 100", "line 3: answer ok does not fit the question: Start over?",
       ""},
      {"start\ncommand 16\ndump title\nfrob\ndump title", "line 4: unknown command frob",
       "Inner\n"},
      {"start\ncommand 16\ndump cells", "line 3: the window has no grid", ""},
      {"start\nkey Sideways", "line 2: unknown key Sideways", ""},
      {"start\nedit 11", "line 2: usage: edit ID \"TEXT\"", ""},
      {"start\ncursor 9 1", "line 2: there is no cell 9 1 in the grid", ""},
      {"start\ndump nothing", "line 2: unknown dump nothing", ""},
      {"start\nsave bad", "line 2: the document could not be saved to bad", ""},
      {"start\nstart", "line 2: the program has already started", ""},
  };
  for (const Case& c : cases) {
    HeadlessPlatform fresh;
    HeadlessScriptShell freshShell(fresh);
    TestApp freshApp(fresh);
    std::ostringstream out;
    const ScriptResult result = RunScript(c.script, freshShell, freshApp, out);
    EXPECT_EQ(result.status, 1) << c.script;
    EXPECT_EQ(result.error, c.error) << c.script;
    EXPECT_EQ(out.str(), c.out) << c.script;
  }
}

}  // namespace
