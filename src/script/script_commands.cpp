#include "script/script_commands.h"

#include <array>
#include <charconv>
#include <optional>
#include <ostream>
#include <string_view>
#include <utility>

#include "platform/resource_ids.h"
#include "reports/cell_dump.h"
#include "script/script_app.h"
#include "script/script_dumps.h"
#include "script/script_shell.h"

namespace {

using Args = std::vector<std::string>;
using Handler = std::string (*)(ScriptContext&, const Args&);

std::optional<int> Number(const std::string& word) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

std::string NotANumber(const std::string& word) { return "not a number: " + word; }

// Runs an action that takes numbers, after checking every argument is one.
template <typename Action>
std::string WithNumbers(const Args& args, std::size_t count, Action action) {
  std::array<int, 2> values{};
  for (std::size_t i = 0; i < count; ++i) {
    const std::optional<int> value = Number(args[i]);
    if (!value) return NotANumber(args[i]);
    values[i] = *value;
  }
  return action(values[0], values[1]);
}

// Runs a user action on the active window.
template <typename Action>
std::string OnWindow(ScriptContext& context, Action action) {
  Dialog* window = context.shell.ActiveWindow();
  if (window == nullptr) return "no window is open";
  return action(*window);
}

std::string Start(ScriptContext& context, const Args& args) {
  if (context.shell.MainWindow() != nullptr) return "the program has already started";
  context.app.StartUp(args.empty() ? std::string_view() : std::string_view(args[0]));
  return {};
}

std::string Program(ScriptContext& context, const Args& args) {
  context.shell.SetProgramPath(args[0]);
  return {};
}

std::string Answer(ScriptContext& context, const Args& args) {
  static constexpr std::pair<std::string_view, int> kAnswers[] = {
      {"yes", kIdYes}, {"no", kIdNo}, {"ok", kIdOk}, {"cancel", kIdCancel}};
  for (const auto& [name, result] : kAnswers) {
    if (args[0] != name) continue;
    context.shell.Answers().QueueAnswer(result);
    return {};
  }
  return "an answer is yes, no, ok or cancel, not " + args[0];
}

std::string File(ScriptContext& context, const Args& args) {
  if (args[0] == "cancel") {
    context.shell.Answers().QueueFile({true, {}});
  } else {
    context.shell.Answers().QueueFile({false, args[0]});
  }
  return {};
}

std::string Printer(ScriptContext& context, const Args& args) {
  if (args[0] == "cancel") {
    if (args.size() > 1) return "usage: printer PATH|cancel [COPIES]";
    context.shell.Answers().QueuePrinter({true, {}, 0});
    return {};
  }
  int copies = 1;
  if (args.size() == 2) {
    const std::optional<int> number = Number(args[1]);
    if (!number || *number < 1) return "not a number of copies: " + args[1];
    copies = *number;
  }
  context.shell.Answers().QueuePrinter({false, args[0], copies});
  return {};
}

std::string Menu(ScriptContext& context, const Args& args) {
  return WithNumbers(args, 1, [&](int id, int) {
    context.shell.Answers().QueueMenu(id);
    return std::string();
  });
}

std::string Command(ScriptContext& context, const Args& args) {
  return WithNumbers(args, 1, [&](int id, int) {
    return OnWindow(context, [&](Dialog& window) { return context.shell.Command(window, id); });
  });
}

// The window's Edit command: the menu bar's item where there is one.
template <int kCommand>
std::string EditCommand(ScriptContext& context, const Args&) {
  return OnWindow(context, [&](Dialog& window) { return context.shell.Command(window, kCommand); });
}

std::string Context(ScriptContext& context, const Args& args) {
  return WithNumbers(args, 1, [&](int id, int) {
    return OnWindow(context, [&](Dialog& window) { return context.shell.Context(window, id); });
  });
}

std::string Close(ScriptContext& context, const Args&) {
  return OnWindow(context, [&](Dialog& window) { return context.shell.Close(window); });
}

std::string Tab(ScriptContext& context, const Args& args) {
  return WithNumbers(args, 1, [&](int index, int) {
    return OnWindow(context,
                    [&](Dialog& window) { return context.shell.ClickTab(window, index); });
  });
}

template <CellClick How>
std::string ClickCell(ScriptContext& context, const Args& args) {
  return WithNumbers(args, 2, [&](int row, int col) {
    return OnWindow(context,
                    [&](Dialog& window) { return context.shell.ClickCell(window, row, col, How); });
  });
}

std::string Type(ScriptContext& context, const Args& args) {
  return OnWindow(context, [&](Dialog& window) { return context.shell.Type(window, args[0]); });
}

std::string Key(ScriptContext& context, const Args& args) {
  const ScriptKey* key = FindScriptKey(args[0]);
  if (key == nullptr) return "unknown key " + args[0];
  return OnWindow(context, [&](Dialog& window) { return context.shell.Key(window, *key); });
}

std::string Edit(ScriptContext& context, const Args& args) {
  return WithNumbers(args, 1, [&](int id, int) {
    return OnWindow(context,
                    [&](Dialog& window) { return context.shell.Edit(window, id, args[1]); });
  });
}

std::string Select(ScriptContext& context, const Args& args) {
  return WithNumbers(args, 2, [&](int id, int index) {
    return OnWindow(context,
                    [&](Dialog& window) { return context.shell.Select(window, id, index); });
  });
}

std::string DoubleSelect(ScriptContext& context, const Args& args) {
  return WithNumbers(args, 2, [&](int id, int index) {
    return OnWindow(context, [&](Dialog& window) {
      return context.shell.DoubleClickItem(window, id, index);
    });
  });
}

std::string Resize(ScriptContext& context, const Args& args) {
  return WithNumbers(args, 2, [&](int width, int height) {
    return OnWindow(context, [&](Dialog& window) {
      return context.shell.Resize(window, width, height);
    });
  });
}

std::string Window(ScriptContext& context, const Args& args) {
  return WithNumbers(args, 1, [&](int id, int) { return context.shell.Activate(id); });
}

std::string Tick(ScriptContext& context, const Args&) {
  if (!context.shell.FireTimers()) return "no timer is running";
  return {};
}

std::string Save(ScriptContext& context, const Args& args) {
  if (!context.app.Save(args[0])) return "the document could not be saved to " + args[0];
  return {};
}

// Another program copies a text.
std::string ClipboardText(ScriptContext& context, const Args& args) {
  Clipboard& clipboard = context.shell.GetClipboard();
  if (!clipboard.Open(nullptr)) return "the clipboard could not be opened";
  clipboard.Empty();
  clipboard.Put(kClipboardTextFormat, args[0]);
  clipboard.Close();
  return {};
}

std::string DumpOfWindow(ScriptShell& shell, Dialog& window, const Args& args, std::string* out) {
  const std::string& what = args[0];
  if (what != "format" && what != "list" && args.size() != 1) return "usage: dump " + what;
  const std::vector<ScriptControl> controls = shell.Controls(window);
  if (what == "title") {
    *out = window.GetCaption() + "\n";
  } else if (what == "controls") {
    *out = DumpControls(controls);
  } else if (what == "checks") {
    *out = DumpChecks(window, controls);
  } else if (what == "cells") {
    const ScriptControl* control = FirstOfKind(controls, ControlKind::kGrid);
    GridEngine* engine = control != nullptr ? window.GetGrid(control->id) : nullptr;
    if (engine == nullptr) return "the window has no grid";
    *out = DumpGridCells(*engine);
  } else if (what == "tabs") {
    const ScriptControl* strip = FirstOfKind(controls, ControlKind::kTabStrip);
    if (strip == nullptr) return "the window has no tab strip";
    *out = DumpTabs(window, strip->id);
  } else if (what == "format" || what == "list") {
    const std::optional<int> id = args.size() == 2 ? Number(args[1]) : std::nullopt;
    if (!id) return "usage: dump " + what + " ID";
    const ScriptControl* control = FindControl(controls, *id);
    if (control == nullptr) return "there is no control " + args[1];
    if (what == "format") {
      *out = DumpFormat(shell.TextRuns(window, *id));
    } else if (control->kind != ControlKind::kListBox) {
      return "control " + args[1] + " is not a list box";
    } else {
      *out = DumpList(window, *id);
    }
  } else {
    return "unknown dump " + what;
  }
  return {};
}

std::string Dump(ScriptContext& context, const Args& args) {
  std::string out;
  ScriptShell& shell = context.shell;
  if (args[0] == "modified" || args[0] == "messages" || args[0] == "menu" ||
      args[0] == "clipboard") {
    if (args.size() != 1) return "usage: dump " + args[0];
    if (args[0] == "modified") out = context.app.IsModified() ? "1\n" : "0\n";
    if (args[0] == "messages") out = DumpMessages(shell.TakeMessages());
    if (args[0] == "clipboard") out = DumpClipboard(shell.GetClipboardContents());
    if (args[0] == "menu") {
      if (auto items = shell.Answers().TakeLastPopupMenu()) out = DumpMenu(*items);
    }
  } else {
    const std::string why = OnWindow(
        context, [&](Dialog& window) { return DumpOfWindow(shell, window, args, &out); });
    if (!why.empty()) return why;
  }
  context.out << out;
  return {};
}

struct CommandEntry {
  std::string_view name;
  std::size_t minArgs, maxArgs;
  Handler run;
  std::string_view usage;
};

constexpr CommandEntry kCommands[] = {
    {"start", 0, 1, Start, "start [PATH]"},
    {"program", 1, 1, Program, "program PATH"},
    {"answer", 1, 1, Answer, "answer yes|no|ok|cancel"},
    {"file", 1, 1, File, "file PATH|cancel"},
    {"menu", 1, 1, Menu, "menu ID"},
    {"printer", 1, 2, Printer, "printer PATH|cancel [COPIES]"},
    {"command", 1, 1, Command, "command ID"},
    {"undo", 0, 0, EditCommand<kCmdUndo>, "undo"},
    {"redo", 0, 0, EditCommand<kCmdRedo>, "redo"},
    {"tab", 1, 1, Tab, "tab N"},
    {"context", 1, 1, Context, "context ID"},
    {"close", 0, 0, Close, "close"},
    {"cursor", 2, 2, ClickCell<CellClick::kLeft>, "cursor ROW COL"},
    {"dblclick", 2, 2, ClickCell<CellClick::kDouble>, "dblclick ROW COL"},
    {"rclick", 2, 2, ClickCell<CellClick::kRight>, "rclick ROW COL"},
    {"type", 1, 1, Type, "type \"TEXT\""},
    {"key", 1, 1, Key, "key NAME"},
    {"edit", 2, 2, Edit, "edit ID \"TEXT\""},
    {"select", 2, 2, Select, "select ID INDEX"},
    {"dblselect", 2, 2, DoubleSelect, "dblselect ID INDEX"},
    {"resize", 2, 2, Resize, "resize WIDTH HEIGHT"},
    {"window", 1, 1, Window, "window ID"},
    {"dump", 1, 2, Dump, "dump WHAT"},
    {"save", 1, 1, Save, "save PATH"},
    {"tick", 0, 0, Tick, "tick"},
    {"clipboard", 1, 1, ClipboardText, "clipboard \"TEXT\""},
};

}  // namespace

std::string RunScriptCommand(ScriptContext& context, const std::vector<std::string>& words) {
  if (words.empty()) return {};
  for (const CommandEntry& command : kCommands) {
    if (words[0] != command.name) continue;
    const Args args(words.begin() + 1, words.end());
    if (args.size() < command.minArgs || args.size() > command.maxArgs)
      return "usage: " + std::string(command.usage);
    return command.run(context, args);
  }
  return "unknown command " + words[0];
}
