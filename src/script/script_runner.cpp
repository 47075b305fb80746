#include "script/script_runner.h"

#include <optional>
#include <vector>

#include "script/script_commands.h"
#include "script/script_line.h"
#include "script/script_shell.h"

namespace {

std::vector<std::string_view> SplitLines(std::string_view script) {
  std::vector<std::string_view> lines;
  while (!script.empty()) {
    const std::size_t end = script.find('\n');
    std::string_view line = script.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    script.remove_prefix(end + 1);
  }
  return lines;
}

class ScriptRunner {
 public:
  ScriptRunner(std::string_view script, ScriptShell& shell, ScriptApp& app, std::ostream& out)
      : lines_(SplitLines(script)), context_{shell, app, out} {}

  ScriptResult Run() {
    ScriptShell& shell = context_.shell;
    // A modal dialog asks for the next line while it is open.
    shell.SetPump([this] { return RunNextLine(); });
    while (!failure_ && next_ < lines_.size()) RunNextLine();
    shell.SetPump(nullptr);
    shell.CloseWindows();
    shell.ReleaseEndedWindows();
    if (failure_) return {1, *failure_};
    return {};
  }

 private:
  bool RunNextLine() {
    if (failure_ || !NoPlatformFailure()) return false;
    while (next_ < lines_.size()) {
      const int number = static_cast<int>(++next_);
      const ScriptLine line = SplitScriptLine(lines_[next_ - 1]);
      if (!line.error.empty()) {
        Fail(number, line.error);
        return false;
      }
      if (line.words.empty()) continue;
      RunLine(number, line.words);
      return !failure_;
    }
    return false;
  }

  void RunLine(int number, const std::vector<std::string>& words) {
    const int outer = current_;
    current_ = number;
    ++depth_;
    const std::string error = RunScriptCommand(context_, words);
    if (error.empty() && !failure_) context_.shell.RunPosted();
    --depth_;
    if (!error.empty()) Fail(number, error);
    NoPlatformFailure();
    // Windows that ended may be freed only when no event is being handled.
    if (depth_ == 0) context_.shell.ReleaseEndedWindows();
    current_ = outer;
  }

  // A failure the platform recorded belongs to the line that is running.
  bool NoPlatformFailure() {
    std::optional<std::string> failure = context_.shell.Answers().TakeFailure();
    if (!failure) return true;
    Fail(current_, *failure);
    return false;
  }

  void Fail(int number, const std::string& reason) {
    if (!failure_) failure_ = "line " + std::to_string(number) + ": " + reason;
  }

  std::vector<std::string_view> lines_;
  ScriptContext context_;
  std::size_t next_ = 0;
  int current_ = 0;
  int depth_ = 0;
  std::optional<std::string> failure_;
};

}  // namespace

ScriptResult RunScript(std::string_view script, ScriptShell& shell, ScriptApp& app,
                       std::ostream& out) {
  return ScriptRunner(script, shell, app, out).Run();
}
