#include "script/script_dumps.h"

#include <algorithm>
#include <cstdio>

#include "reports/cell_dump.h"

namespace {

std::string StyleWords(const TextStyle& style) {
  std::string words;
  const auto add = [&](const std::string& word) { words += (words.empty() ? "" : " ") + word; };
  if (style.bold) add("bold");
  if (style.italic) add("italic");
  if (!style.autoColor) {
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%02X%02X%02X", style.color & 0xFFu,
                  (style.color >> 8) & 0xFFu, (style.color >> 16) & 0xFFu);
    add(colour);
  }
  return words.empty() ? "plain" : words;
}

}  // namespace

std::string DumpTabs(const Dialog& window, int stripId) {
  std::string out;
  const int selected = window.GetTabSelection(stripId);
  for (int i = 0; i < window.CountTabs(stripId); ++i) {
    if (i == selected) out += '*';
    out += EscapeCellText(window.GetTabLabel(stripId, i)) + "\n";
  }
  return out;
}

std::string DumpList(const Dialog& window, int listId) {
  std::string out;
  for (int i = 0; i < window.CountItemStrings(listId); ++i) {
    if (window.IsItemSelected(listId, i)) out += '*';
    out += EscapeCellText(window.GetItemString(listId, i)) + "\n";
  }
  return out;
}

std::string DumpControls(const std::vector<ScriptControl>& controls) {
  std::vector<const ScriptControl*> shown;
  for (const ScriptControl& control : controls)
    if (control.visible) shown.push_back(&control);
  std::stable_sort(shown.begin(), shown.end(),
                   [](const ScriptControl* a, const ScriptControl* b) { return a->id < b->id; });
  std::string out;
  for (const ScriptControl* control : shown) {
    if (!control->text.empty())
      out += std::to_string(control->id) + "\t" + EscapeCellText(control->text) + "\n";
  }
  return out;
}

std::string DumpChecks(const Dialog& window, const std::vector<ScriptControl>& controls) {
  std::vector<int> ids;
  for (const ScriptControl& control : controls) {
    const bool checkable =
        control.kind == ControlKind::kCheckBox || control.kind == ControlKind::kRadioButton;
    if (checkable && control.visible) ids.push_back(control.id);
  }
  std::stable_sort(ids.begin(), ids.end());
  std::string out;
  for (const int id : ids)
    out += std::to_string(id) + (window.IsItemChecked(id) ? "\t1\n" : "\t0\n");
  return out;
}

std::string DumpMenu(const std::vector<MenuItem>& items) {
  std::string out;
  for (const MenuItem& item : items) {
    if (item.IsSeparator()) {
      out += "-\n";
      continue;
    }
    out += std::to_string(item.id) + "\t" + EscapeCellText(item.text) + "\t" +
           (item.grayed ? "grayed" : "enabled") + "\n";
    out += DumpMenu(item.submenu);
  }
  return out;
}

std::string DumpMessages(const std::vector<std::string>& messages) {
  std::string out;
  for (const std::string& message : messages) out += EscapeCellText(message) + "\n";
  return out;
}

std::string DumpClipboard(const ClipboardContents& contents) {
  std::string out;
  for (const auto& [format, bytes] : contents) out += format + "\t" + EscapeCellText(bytes) + "\n";
  return out;
}

std::string DumpFormat(const std::vector<StyledRun>& runs) {
  std::string out;
  for (const StyledRun& run : runs) {
    out += std::to_string(run.start) + "\t" + std::to_string(run.length) + "\t" +
           StyleWords(run.style) + "\n";
  }
  return out;
}
