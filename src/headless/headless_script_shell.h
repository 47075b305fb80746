#pragma once
// The headless program as a script drives it: the user's actions delivered as
// the window system would deliver them.

#include "headless/headless_platform.h"
#include "script/script_shell.h"

class HeadlessScriptShell : public ScriptShell {
 public:
  explicit HeadlessScriptShell(HeadlessPlatform& platform) : platform_(platform) {}

  Dialog* ActiveWindow() override { return platform_.ActiveWindow(); }
  Dialog* MainWindow() override { return platform_.MainWindow(); }
  ScriptAnswers& Answers() override { return platform_.Answers(); }
  void SetProgramPath(std::string path) override { platform_.SetProgramPath(std::move(path)); }
  void SetPump(std::function<bool()> pump) override { platform_.SetPump(std::move(pump)); }
  void RunPosted() override { platform_.RunPosted(); }
  void ReleaseEndedWindows() override { platform_.ReleaseEndedWindows(); }
  void CloseWindows() override { platform_.CloseWindows(); }
  bool FireTimers() override { return platform_.FireTimers(); }

  std::vector<ScriptControl> Controls(Dialog& window) override;
  std::vector<MenuItem> MenuBar(Dialog& window) override;
  std::vector<StyledRun> TextRuns(Dialog& window, int id) override;
  std::vector<std::string> TakeMessages() override { return platform_.TakeMessages(); }
  Clipboard& GetClipboard() override { return platform_.GetClipboard(); }
  ClipboardContents GetClipboardContents() override { return platform_.Memory().Contents(); }

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
  std::string Activate(int templateId) override {
    return platform_.Activate(templateId) ? std::string()
                                          : "no window " + std::to_string(templateId) + " is shown";
  }

 private:
  HeadlessPlatform& platform_;
};
