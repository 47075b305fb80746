#pragma once
// The desktop program as a script drives it (herdwright --run): the user's
// actions are real Qt input events on the real widgets, and what pops up is
// answered by QtScriptAnswerer from the script's queued answers.

#include <optional>

#include "qt/qt_platform.h"
#include "qt/qt_script_answerer.h"
#include "script/script_shell.h"

class GridWidget;
class QPoint;
class QtDialog;

class QtScriptShell : public ScriptShell {
 public:
  explicit QtScriptShell(QtPlatform& platform);
  ~QtScriptShell() override;

  Dialog* ActiveWindow() override;
  Dialog* MainWindow() override;
  ScriptAnswers& Answers() override { return answers_; }
  void SetProgramPath(std::string path) override { platform_.SetProgramPath(std::move(path)); }
  void SetPump(std::function<bool()> pump) override { platform_.SetPump(std::move(pump)); }
  void RunPosted() override;
  void ReleaseEndedWindows() override;
  void CloseWindows() override { platform_.CloseWindows(); }
  bool FireTimers() override { return platform_.FireTimers(); }

  std::vector<ScriptControl> Controls(Dialog& window) override;
  std::vector<MenuItem> MenuBar(Dialog& window) override;
  std::vector<StyledRun> TextRuns(Dialog& window, int id) override;
  std::vector<std::string> TakeMessages() override { return answerer_.TakeMessages(); }
  Clipboard& GetClipboard() override { return platform_.GetClipboard(); }
  ClipboardContents GetClipboardContents() override;

  std::string Command(Dialog& window, int id) override;
  std::string ClickTab(Dialog& window, int index) override;
  std::string ClickCell(Dialog& window, int row, int col, CellClick how) override;
  std::string Type(Dialog& window, std::string_view text) override;
  std::string Key(Dialog& window, const ScriptKey& key) override;
  std::string Edit(Dialog& window, int id, std::string_view text) override;
  std::string Select(Dialog& window, int id, int index) override;
  std::string DoubleClickItem(Dialog& window, int id, int index) override;
  std::string Context(Dialog& window, int id) override;
  std::string Close(Dialog& window) override;
  std::string Resize(Dialog& window, int width, int height) override;
  std::string Activate(int templateId) override;

 private:
  // The window's grid, found as in every shell.
  std::string GridOf(Dialog& window, GridWidget** grid);
  // Gives the grid the keyboard focus as the user does, with a click on the
  // cursor cell, unless it has it.
  std::string FocusGrid(GridWidget& grid);
  std::string ChooseFromMenuBar(QtDialog& dialog, int id);
  std::string ClickControl(QtDialog& dialog, int id, Qt::MouseButton button);

  QtPlatform& platform_;
  ScriptAnswers answers_;
  QtScriptAnswerer answerer_{answers_};
};
