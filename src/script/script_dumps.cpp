#include "script/script_dumps.h"

#include <algorithm>
#include <cstdio>

#include "headless/headless_dialog.h"
#include "platform/memory_clipboard.h"
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

std::string DumpTabs(const HeadlessControl& strip) {
  std::string out;
  for (std::size_t i = 0; i < strip.tabs.size(); ++i) {
    if (static_cast<int>(i) == strip.tabSelection) out += '*';
    out += EscapeCellText(strip.tabs[i]) + "\n";
  }
  return out;
}

std::string DumpControls(const HeadlessDialog& dialog) {
  std::vector<const HeadlessControl*> shown;
  for (const HeadlessControl& control : dialog.Controls())
    if (control.visible) shown.push_back(&control);
  std::stable_sort(
      shown.begin(), shown.end(),
      [](const HeadlessControl* a, const HeadlessControl* b) { return a->id < b->id; });
  std::string out;
  for (const HeadlessControl* control : shown) {
    const std::string text = dialog.ControlText(*control);
    if (!text.empty()) out += std::to_string(control->id) + "\t" + EscapeCellText(text) + "\n";
  }
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

std::string DumpClipboard(const MemoryClipboard& clipboard) {
  std::string out;
  for (const auto& [format, bytes] : clipboard.Contents()) {
    out += format + "\t" + EscapeCellText(bytes) + "\n";
  }
  return out;
}

std::string DumpFormat(const HeadlessControl& control) {
  std::string out;
  for (const StyledRun& run : control.StyleRuns()) {
    out += std::to_string(run.start) + "\t" + std::to_string(run.length) + "\t" +
           StyleWords(run.style) + "\n";
  }
  return out;
}
