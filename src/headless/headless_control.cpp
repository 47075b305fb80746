#include "headless/headless_control.h"

#include <algorithm>

#include "text/utf8_text.h"

int DialogUnitsToPixelsX(int units) { return units * kHeadlessCharWidth / 4; }
int DialogUnitsToPixelsY(int units) { return units * kHeadlessCharHeight / 8; }

HeadlessControl::HeadlessControl(const ControlTemplate& from)
    : id(from.id),
      kind(from.kind),
      style(from.style),
      text(from.text),
      visible((from.style & kStyleHidden) == 0),
      enabled((from.style & kStyleDisabled) == 0) {
  rect.left = DialogUnitsToPixelsX(from.x);
  rect.top = DialogUnitsToPixelsY(from.y);
  rect.right = rect.left + DialogUnitsToPixelsX(from.width);
  rect.bottom = rect.top + DialogUnitsToPixelsY(from.height);
}

std::string HeadlessControl::WindowText() const {
  if (kind == ControlKind::kDropList) {
    if (selection < 0 || selection >= static_cast<int>(items.size())) return {};
    return items[static_cast<std::size_t>(selection)];
  }
  return text;
}

void HeadlessControl::SetWindowText(std::string_view value) {
  // A drop-down list shows its selection only; a list box has no text.
  if (kind == ControlKind::kDropList || kind == ControlKind::kListBox) return;
  text = value;
  modified = false;
  formats.clear();
}

void HeadlessControl::InsertTab(int index, std::string_view label) {
  const int count = static_cast<int>(tabs.size());
  index = std::clamp(index, 0, count);
  tabs.insert(tabs.begin() + index, std::string(label));
  // The first tab is selected; later ones keep the selected tab selected.
  if (tabSelection < 0) {
    tabSelection = 0;
  } else if (index <= tabSelection) {
    ++tabSelection;
  }
}

void HeadlessControl::SelectItem(int index) {
  selection = index >= 0 && index < static_cast<int>(items.size()) ? index : -1;
  if (MultipleSelection()) {
    marked.assign(items.size(), 0);
    if (selection >= 0) marked[static_cast<std::size_t>(selection)] = 1;
  }
  if (kind == ControlKind::kComboBox && selection >= 0)
    text = items[static_cast<std::size_t>(selection)];
}

bool HeadlessControl::IsSelected(int index) const {
  if (index < 0 || index >= static_cast<int>(items.size())) return false;
  if (!MultipleSelection()) return index == selection;
  return marked[static_cast<std::size_t>(index)] != 0;
}

void HeadlessControl::MarkItem(int index, bool selected) {
  if (index < 0 || index >= static_cast<int>(items.size())) return;
  if (!MultipleSelection()) {
    if (selected) {
      SelectItem(index);
    } else if (index == selection) {
      SelectItem(-1);
    }
    return;
  }
  marked[static_cast<std::size_t>(index)] = selected ? 1 : 0;
}

std::vector<StyledRun> HeadlessControl::StyleRuns() const {
  const int count = static_cast<int>(CountChars(text));
  std::vector<TextStyle> perChar(static_cast<std::size_t>(count));
  for (const StyledRun& run : formats) {
    const int begin = std::clamp(run.start, 0, count);
    const long long wanted = static_cast<long long>(run.start) + run.length;
    const int end =
        run.length < 0 ? count : static_cast<int>(std::clamp<long long>(wanted, begin, count));
    for (int i = begin; i < end; ++i) perChar[static_cast<std::size_t>(i)] = run.style;
  }
  return MergeStyles(perChar);
}
