// The desktop shell under a script: the commands the golden scripts leave out,
// on a dialog with a control of every kind, through real input events.

#include <QCoreApplication>
#include <QDir>

#include <sstream>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "qt/qt_platform.h"
#include "qt/qt_script_shell.h"
#include "script/script_app.h"
#include "script/script_runner.h"

namespace {

constexpr int kPopupCommand = 700;

std::string Describe(const DialogEvent& event) {
  switch (event.kind) {
    case DialogEventKind::kCommand:
      return "command " + std::to_string(event.id) + " " + std::to_string(event.code);
    case DialogEventKind::kSize:
      return "size " + std::to_string(event.x) + " " + std::to_string(event.y);
    case DialogEventKind::kContextMenu: return "menu " + std::to_string(event.id);
    case DialogEventKind::kClose: return "close";
    default: return {};
  }
}

// A stand-in program: the test dialog, whose other button opens a file and
// whose background offers a popup menu.
class TestApp : public ScriptApp {
 public:
  explicit TestApp(QtPlatform& platform) : platform_(platform) {}

  void StartUp(std::string_view) override {
    platform_.CreateModeless(
        TestTemplate(), [this](Dialog& d, const DialogEvent& e) { return Main(d, e); }, nullptr, 0);
  }
  bool IsModified() override { return false; }
  bool Save(const std::string&) override { return true; }

  std::vector<std::string> events;

 private:
  int Main(Dialog& dialog, const DialogEvent& event) {
    if (event.kind == DialogEventKind::kInit) Fill(dialog);
    if (event.kind == DialogEventKind::kContextMenu && event.id == 0) {
      dialog.TrackPopupMenu({{kPopupCommand, "Seven", false, {}}, {}, {701, "Gone", true, {}}},
                            event.x, event.y);
    }
    if (event.kind == DialogEventKind::kCommand && event.id == kOtherButton) {
      std::string path;
      events.push_back(platform_.ChooseOpenFile(&dialog, {}, &path) ? "chose " + path
                                                                      : "cancelled");
      return 1;
    }
    if (const std::string seen = Describe(event); !seen.empty()) events.push_back(seen);
    return 1;
  }

  static void Fill(Dialog& dialog) {
    for (const char* item : {"one", "two", "three"}) {
      dialog.AddItemString(kCombo, item);
      dialog.AddItemString(kDrop, item);
      dialog.AddItemString(kList, item);
    }
    dialog.SetItemText(kRich, "Warning\n\nText");
    TextStyle bold;
    bold.bold = true;
    dialog.FormatItemText(kRich, 0, 7, bold);
  }

  QtPlatform& platform_;
};

struct ScriptRun {
  ScriptResult result;
  std::string out;
};

class ScriptShellTest : public ::testing::Test {
 protected:
  void SetUp() override { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

  ScriptRun Script(std::string_view script) {
    std::ostringstream out;
    ScriptResult result = RunScript(script, shell_, app_, out);
    return {result, out.str()};
  }

  std::vector<std::string> Commands(int id) const {
    std::vector<std::string> seen;
    const std::string prefix = "command " + std::to_string(id) + " ";
    for (const std::string& event : app_.events)
      if (event.rfind(prefix, 0) == 0) seen.push_back(event);
    return seen;
  }

  QtPlatform platform_;
  ScopedPlatform installed_{platform_};
  QtScriptShell shell_{platform_};
  TestApp app_{platform_};
};

}  // namespace

TEST_F(ScriptShellTest, ListsTakeAChoiceAndEditsTypedText) {
  const ScriptRun run = Script(
      "start\nselect 112 2\nselect 110 1\nselect 111 2\nedit 103 \"one\\ntwo\"\n"
      "edit 102 \"short\"\ndump controls\ndump format 113\ndump list 112\nedit 102 \"x\\ny\"\n");
  EXPECT_EQ(run.result.error, "line 10: control 102 takes no line break");
  EXPECT_NE(run.out.find("102\tshort\n103\tone\\r\\ntwo\n"), std::string::npos) << run.out;
  // A list box has no text of its own: its selection shows in its list.
  EXPECT_NE(run.out.find("110\ttwo\n111\tthree\n113\t"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("one\ntwo\n*three\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("0\t7\tbold\n7\t6\tplain\n"), std::string::npos) << run.out;
  EXPECT_EQ(Commands(kList), std::vector<std::string>{"command 112 1"});
  EXPECT_EQ(Commands(kDrop), std::vector<std::string>{"command 111 1"});
}

TEST_F(ScriptShellTest, MenuBarPopupMenusAndTheWindowFrame) {
  const ScriptRun run = Script(
      "start\ncommand 900\nmenu 700\ncontext 0\ndump menu\nresize 500 400\nclose\ncommand 901\n");
  EXPECT_EQ(run.result.error, "line 8: menu item 901 is grayed");
  EXPECT_EQ(run.out, "700\tSeven\tenabled\n-\n701\tGone\tgrayed\n");
  EXPECT_EQ(Commands(900), std::vector<std::string>{"command 900 0"});
  EXPECT_EQ(Commands(kPopupCommand), std::vector<std::string>{"command 700 0"});
  const std::vector<std::string>& events = app_.events;
  EXPECT_NE(std::find(events.begin(), events.end(), "size 500 400"), events.end());
  EXPECT_EQ(events.back(), "close");
}

TEST_F(ScriptShellTest, FailuresNameTheLineThatMetThem) {
  struct Case {
    std::string script;
    std::string error;
  };
  const std::vector<Case> cases = {
      {"start\nmenu 555\ncontext 0", "line 3: menu item 555 is not in the popup menu"},
      {"start\ncommand 105", "line 2: unanswered file dialog"},
      {"start\nfile nowhere/none.vqn\ncommand 105",
       "line 3: the file dialog does not take nowhere/none.vqn"},
      {"start\ncontext 101", "line 2: control 101 lets the mouse through"},
      {"start\nkey Sideways", "line 2: unknown key Sideways"},
      {"start\ncursor 101 1", "line 2: there is no cell 101 1 in the grid"},
  };
  for (const Case& c : cases) {
    QtPlatform platform;
    ScopedPlatform installed(platform);
    QtScriptShell shell(platform);
    TestApp app(platform);
    std::ostringstream out;
    EXPECT_EQ(RunScript(c.script, shell, app, out).error, c.error) << c.script;
  }
}

TEST_F(ScriptShellTest, AFileDialogTakesTheQueuedNameOrIsCancelled) {
  const QString existing = QDir(HERD_TEST_DATA_DIR).absoluteFilePath("cli/sample-ranch.vqn");
  const ScriptRun run =
      Script("start\nfile cancel\ncommand 105\nfile " + existing.toStdString() + "\ncommand 105\n");
  EXPECT_EQ(run.result.error, "");
  EXPECT_EQ(app_.events.back(), "chose " + existing.toStdString());
  EXPECT_EQ(app_.events.at(app_.events.size() - 2), "cancelled");
}
