#include "headless/headless_script_shell.h"

#include "headless/headless_user.h"

namespace {

// Every window a script acts on is one the headless platform made.
HeadlessDialog& Headless(Dialog& window) { return static_cast<HeadlessDialog&>(window); }

}  // namespace

std::vector<ScriptControl> HeadlessScriptShell::Controls(Dialog& window) {
  return ControlsOf(Headless(window));
}

std::vector<MenuItem> HeadlessScriptShell::MenuBar(Dialog& window) {
  return Headless(window).MenuBar();
}

std::vector<StyledRun> HeadlessScriptShell::TextRuns(Dialog& window, int id) {
  const HeadlessControl* control = Headless(window).Control(id);
  return control != nullptr ? control->StyleRuns() : std::vector<StyledRun>();
}

std::string HeadlessScriptShell::Command(Dialog& window, int id) {
  return UserCommand(Headless(window), id);
}

std::string HeadlessScriptShell::ClickTab(Dialog& window, int index) {
  return UserClickTab(Headless(window), index);
}

std::string HeadlessScriptShell::ClickCell(Dialog& window, int row, int col, CellClick how) {
  switch (how) {
    case CellClick::kLeft:
      return UserClickCell(Headless(window), row, col);
    case CellClick::kDouble:
      return UserDoubleClickCell(Headless(window), row, col);
    case CellClick::kRight:
      return UserRightClickCell(Headless(window), row, col);
  }
  return {};
}

std::string HeadlessScriptShell::Type(Dialog& window, std::string_view text) {
  return UserType(Headless(window), text);
}

std::string HeadlessScriptShell::Key(Dialog& window, const ScriptKey& key) {
  return UserKey(Headless(window), key.key);
}

std::string HeadlessScriptShell::Edit(Dialog& window, int id, std::string_view text) {
  return UserEdit(Headless(window), id, text);
}

std::string HeadlessScriptShell::Select(Dialog& window, int id, int index) {
  return UserSelect(Headless(window), id, index);
}

std::string HeadlessScriptShell::DoubleClickItem(Dialog& window, int id, int index) {
  return UserDoubleClickItem(Headless(window), id, index);
}

std::string HeadlessScriptShell::Context(Dialog& window, int id) {
  return UserContextMenu(Headless(window), id);
}

std::string HeadlessScriptShell::Close(Dialog& window) { return UserClose(Headless(window)); }

std::string HeadlessScriptShell::Resize(Dialog& window, int width, int height) {
  Headless(window).ResizeClient(width, height);
  return {};
}
