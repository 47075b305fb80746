#pragma once
// A shell the automation drives: the headless one, which delivers the user's
// actions as the window system would, or the desktop one, which sends real
// input events to its widgets. Both answer questions, file dialogs and popup
// menus from the same queue, so a script prints the same in either.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clipboard.h"
#include "platform/dialog.h"
#include "script/script_answers.h"
#include "script/script_dumps.h"
#include "script/script_keys.h"
#include "script/script_targets.h"
#include "script/styled_runs.h"

enum class CellClick { kLeft, kDouble, kRight };

class ScriptShell {
 public:
  virtual ~ScriptShell() = default;

  // The modal dialog on top, otherwise the main window; nullptr when neither.
  virtual Dialog* ActiveWindow() = 0;
  // The program's first window without an owner, while it is open.
  virtual Dialog* MainWindow() = 0;
  virtual ScriptAnswers& Answers() = 0;
  // The program's own path, as the system would report it.
  virtual void SetProgramPath(std::string path) = 0;
  // Runs the next piece of the user's work while a modal dialog is open;
  // false when there is none, and the dialog is cancelled.
  virtual void SetPump(std::function<bool()> pump) = 0;
  // Lets the program handle what the last action posted.
  virtual void RunPosted() = 0;
  // Frees the windows that have ended; only while no event is handled.
  virtual void ReleaseEndedWindows() = 0;
  // Ends every modeless window, so that the program forgets its windows.
  virtual void CloseWindows() = 0;
  // The interval of every running timer passes once; false when none runs.
  virtual bool FireTimers() = 0;

  // What the user sees of a window: its controls in template order, the
  // formatted runs of a rich text box.
  virtual std::vector<ScriptControl> Controls(Dialog& window) = 0;
  virtual std::vector<MenuItem> MenuBar(Dialog& window) = 0;
  virtual std::vector<StyledRun> TextRuns(Dialog& window, int id) = 0;
  // The texts of the message boxes shown since the last call.
  virtual std::vector<std::string> TakeMessages() = 0;
  virtual Clipboard& GetClipboard() = 0;
  // Each format the clipboard holds, by the name the program gives it.
  virtual ClipboardContents GetClipboardContents() = 0;

  // What the user does to a window. Each returns why it could not be done, or
  // an empty text.
  // A click on a button, check box or radio button, or the choice of a menu
  // bar command; any other command reaches the window as it is.
  virtual std::string Command(Dialog& window, int id) = 0;
  virtual std::string ClickTab(Dialog& window, int index) = 0;
  // On the window's first grid, scrolled so that the cell shows.
  virtual std::string ClickCell(Dialog& window, int row, int col, CellClick how) = 0;
  // Typed into the grid, which takes the focus first.
  virtual std::string Type(Dialog& window, std::string_view text) = 0;
  // Pressed in the grid; a key the grid does not want goes to the window, as
  // do Escape and Enter in a window without a grid.
  virtual std::string Key(Dialog& window, const ScriptKey& key) = 0;
  // Replaces an edit or combo box's text, cut to its limit.
  virtual std::string Edit(Dialog& window, int id, std::string_view text) = 0;
  // Picks an item; in a list box of multiple selection it joins the
  // selection, as with Ctrl held.
  virtual std::string Select(Dialog& window, int id, int index) = 0;
  // Double-clicks an item of a list box, which selects it alone first.
  virtual std::string DoubleClickItem(Dialog& window, int id, int index) = 0;
  // A right click on a control without a menu of its own, or on the window's
  // background (id 0).
  virtual std::string Context(Dialog& window, int id) = 0;
  virtual std::string Close(Dialog& window) = 0;
  // The user drags the window's client area to a size, kept at least at its minimum.
  virtual std::string Resize(Dialog& window, int width, int height) = 0;
  // The user brings the shown modeless window of that template to the front
  // (a click on it), so that the lines after act on it.
  virtual std::string Activate(int templateId) = 0;
};
