#include "headless/headless_dialog.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "grid/grid_engine.h"
#include "headless/headless_dialog_grid_host.h"
#include "platform/menu_items.h"

struct HeadlessDialog::GridSlot {
  GridSlot(HeadlessDialog& dialog, HeadlessDialogOwner& owner, int id, std::string_view title)
      : host(dialog, owner, id), engine(id, host, title) {}
  HeadlessDialogGridHost host;
  GridEngine engine;
};

HeadlessDialog::HeadlessDialog(const DialogTemplate& from, DialogProc proc,
                               HeadlessDialogOwner& owner, Dialog* ownerWindow, bool modal)
    : templateId_(from.id),
      caption_(from.caption),
      proc_(std::move(proc)),
      owner_(owner),
      ownerWindow_(ownerWindow),
      modal_(modal) {
  client_.right = DialogUnitsToPixelsX(from.width);
  client_.bottom = DialogUnitsToPixelsY(from.height);
  controls_.reserve(from.controls.size());
  for (const ControlTemplate& control : from.controls) controls_.emplace_back(control);
  if (from.menu != nullptr) menuBar_ = from.menu->items;
  for (const HeadlessControl& control : controls_) {
    if (control.kind != ControlKind::kGrid || Grid(control.id) != nullptr) continue;
    grids_.push_back(std::make_unique<GridSlot>(*this, owner_, control.id, control.text));
    grids_.back()->engine.Resize(control.rect.Width(), control.rect.Height());
  }
}

HeadlessDialog::~HeadlessDialog() = default;

int HeadlessDialog::Send(const DialogEvent& event) {
  if (destroyed_ || !proc_) return 0;
  return proc_(*this, event);
}

void HeadlessDialog::Destroy() {
  if (destroyed_) return;
  ended_ = true;
  DialogEvent event;
  event.kind = DialogEventKind::kDestroy;
  Send(event);
  destroyed_ = true;
}

void HeadlessDialog::EndDialog(int result) {
  if (destroyed_) return;
  if (modal_) {
    // The modal loop notices once the current event has been handled.
    result_ = result;
    ended_ = true;
    return;
  }
  if (ended_) return;  // already being destroyed
  result_ = result;
  Destroy();
  owner_.ModelessEnded(*this);
}

HeadlessControl* HeadlessDialog::Control(int id) {
  for (HeadlessControl& control : controls_)
    if (control.id == id) return &control;
  return nullptr;
}

const HeadlessControl* HeadlessDialog::Control(int id) const {
  return const_cast<HeadlessDialog*>(this)->Control(id);
}

HeadlessControl* HeadlessDialog::FirstOfKind(ControlKind kind) {
  for (HeadlessControl& control : controls_)
    if (control.kind == kind) return &control;
  return nullptr;
}

HeadlessDialog::GridSlot* HeadlessDialog::Grid(int id) {
  for (const auto& slot : grids_)
    if (slot->engine.ControlId() == id) return slot.get();
  return nullptr;
}

GridEngine* HeadlessDialog::GetGrid(int id) {
  GridSlot* slot = Grid(id);
  return slot != nullptr ? &slot->engine : nullptr;
}

std::string HeadlessDialog::ControlText(const HeadlessControl& control) const {
  if (control.kind == ControlKind::kGrid) {
    // The grid's window text is its title.
    GridSlot* slot = const_cast<HeadlessDialog*>(this)->Grid(control.id);
    return slot != nullptr ? slot->engine.State().title : std::string();
  }
  return control.WindowText();
}

std::string HeadlessDialog::GetItemText(int id) const {
  const HeadlessControl* control = Control(id);
  return control != nullptr ? ControlText(*control) : std::string();
}

void HeadlessDialog::SetItemText(int id, std::string_view text) {
  HeadlessControl* control = Control(id);
  if (control == nullptr) return;
  if (GridSlot* slot = control->kind == ControlKind::kGrid ? Grid(id) : nullptr) {
    slot->engine.SetTitle(text);
    return;
  }
  control->SetWindowText(text);
}

void HeadlessDialog::SetItemLimit(int id, int chars) {
  if (HeadlessControl* control = Control(id)) control->limit = std::max(chars, 0);
}

bool HeadlessDialog::GetItemModified(int id) const {
  const HeadlessControl* control = Control(id);
  return control != nullptr && control->modified;
}

void HeadlessDialog::SetItemModified(int id, bool modified) {
  if (HeadlessControl* control = Control(id)) control->modified = modified;
}

void HeadlessDialog::ShowItem(int id, bool show) {
  if (id == kWindowItem) {
    windowVisible_ = show;
    if (show) owner_.WindowShown(*this);
  }
  if (HeadlessControl* control = Control(id)) control->visible = show;
}

bool HeadlessDialog::IsItemVisible(int id) const {
  if (id == kWindowItem) return windowVisible_;
  const HeadlessControl* control = Control(id);
  return control != nullptr && control->visible;
}

void HeadlessDialog::EnableItem(int id, bool enable) {
  if (HeadlessControl* control = Control(id)) control->enabled = enable;
  if (GridSlot* slot = Grid(id)) slot->engine.SetEnabled(enable);
}

bool HeadlessDialog::IsItemEnabled(int id) const {
  const HeadlessControl* control = Control(id);
  return control != nullptr && control->enabled;
}

void HeadlessDialog::CheckItem(int id, bool check) {
  if (HeadlessControl* control = Control(id)) control->checked = check;
}

bool HeadlessDialog::IsItemChecked(int id) const {
  const HeadlessControl* control = Control(id);
  return control != nullptr && control->checked;
}

void HeadlessDialog::SetFocusItem(int id) {
  if (id == focus_) return;
  const int previous = focus_;
  focus_ = id;
  // The grid stores an edit in progress when it loses the focus, and its
  // parent may move the focus again while handling that.
  if (GridSlot* old = Grid(previous); old != nullptr && old->engine.State().hasFocus)
    old->engine.FocusOut();
  if (focus_ != id) return;
  if (GridSlot* now = Grid(id); now != nullptr && !now->engine.State().hasFocus)
    now->engine.FocusIn();
}

void HeadlessDialog::GridFocusChanged(int id) {
  const GridSlot* slot = Grid(id);
  if (slot == nullptr) return;
  if (!slot->engine.State().hasFocus && focus_ == id) {
    focus_ = 0;  // nowhere, until the user puts it somewhere
  } else if (slot->engine.State().hasFocus && focus_ != id) {
    SetFocusItem(id);
  }
}

namespace {

bool TakesFocus(const HeadlessControl& control) {
  const bool passive = control.kind == ControlKind::kLabel ||
                       control.kind == ControlKind::kGroupBox || control.kind == ControlKind::kUpDown;
  return !passive && control.visible && control.enabled;
}

}  // namespace

void HeadlessDialog::MoveFocus(bool forward) {
  const auto count = static_cast<std::ptrdiff_t>(controls_.size());
  std::ptrdiff_t at = 0;
  while (at < count && controls_[static_cast<std::size_t>(at)].id != focus_) ++at;
  if (at == count) at = forward ? count - 1 : 0;
  for (std::ptrdiff_t step = 1; step <= count; ++step) {
    const std::ptrdiff_t next = ((forward ? at + step : at - step) % count + count) % count;
    const HeadlessControl& control = controls_[static_cast<std::size_t>(next)];
    if (!TakesFocus(control)) continue;
    SetFocusItem(control.id);
    return;
  }
}

void HeadlessDialog::ResetItems(int id) {
  HeadlessControl* control = Control(id);
  if (control == nullptr) return;
  control->items.clear();
  control->marked.clear();
  control->selection = -1;
  if (control->kind == ControlKind::kComboBox) control->text.clear();
}

int HeadlessDialog::AddItemString(int id, std::string_view text) {
  HeadlessControl* control = Control(id);
  if (control == nullptr) return -1;
  control->items.emplace_back(text);
  control->marked.push_back(0);
  return static_cast<int>(control->items.size()) - 1;
}

int HeadlessDialog::CountItemStrings(int id) const {
  const HeadlessControl* control = Control(id);
  return control != nullptr ? static_cast<int>(control->items.size()) : 0;
}

std::string HeadlessDialog::GetItemString(int id, int index) const {
  const HeadlessControl* control = Control(id);
  if (control == nullptr || index < 0 || index >= static_cast<int>(control->items.size()))
    return {};
  return control->items[static_cast<std::size_t>(index)];
}

int HeadlessDialog::GetItemSelection(int id) const {
  const HeadlessControl* control = Control(id);
  return control != nullptr ? control->selection : -1;
}

void HeadlessDialog::SetItemSelection(int id, int index) {
  if (HeadlessControl* control = Control(id)) control->SelectItem(index);
}

bool HeadlessDialog::IsItemSelected(int id, int index) const {
  const HeadlessControl* control = Control(id);
  return control != nullptr && control->IsSelected(index);
}

void HeadlessDialog::SetItemSelected(int id, int index, bool selected) {
  if (HeadlessControl* control = Control(id)) control->MarkItem(index, selected);
}

void HeadlessDialog::InsertTab(int id, int index, std::string_view label) {
  if (HeadlessControl* control = Control(id)) control->InsertTab(index, label);
}

void HeadlessDialog::DeleteAllTabs(int id) {
  HeadlessControl* control = Control(id);
  if (control == nullptr) return;
  control->tabs.clear();
  control->tabSelection = -1;
}

int HeadlessDialog::CountTabs(int id) const {
  const HeadlessControl* control = Control(id);
  return control != nullptr ? static_cast<int>(control->tabs.size()) : 0;
}

std::string HeadlessDialog::GetTabLabel(int id, int index) const {
  const HeadlessControl* control = Control(id);
  if (control == nullptr || index < 0 || index >= static_cast<int>(control->tabs.size())) return {};
  return control->tabs[static_cast<std::size_t>(index)];
}

void HeadlessDialog::SetTabLabel(int id, int index, std::string_view label) {
  HeadlessControl* control = Control(id);
  if (control == nullptr || index < 0 || index >= static_cast<int>(control->tabs.size())) return;
  control->tabs[static_cast<std::size_t>(index)] = label;
}

int HeadlessDialog::GetTabSelection(int id) const {
  const HeadlessControl* control = Control(id);
  return control != nullptr ? control->tabSelection : -1;
}

void HeadlessDialog::SetTabSelection(int id, int index) {
  HeadlessControl* control = Control(id);
  if (control == nullptr || index < 0 || index >= static_cast<int>(control->tabs.size())) return;
  control->tabSelection = index;
}

void HeadlessDialog::FormatItemText(int id, int start, int length, const TextStyle& style) {
  if (HeadlessControl* control = Control(id)) control->formats.push_back({start, length, style});
}

void HeadlessDialog::SetUpDownRange(int id, int low, int high) {
  HeadlessControl* control = Control(id);
  if (control == nullptr) return;
  control->upDownLow = low;
  control->upDownHigh = high;
  SetUpDownPosition(id, control->upDownPosition);
}

void HeadlessDialog::SetUpDownPosition(int id, int position) {
  HeadlessControl* control = Control(id);
  if (control == nullptr) return;
  // The range may run downwards.
  const int low = std::min(control->upDownLow, control->upDownHigh);
  const int high = std::max(control->upDownLow, control->upDownHigh);
  control->upDownPosition = std::clamp(position, low, high);
}

PixelRect HeadlessDialog::GetItemRect(int id) const {
  if (id == kWindowItem)
    return {frameLeft_, frameTop_, frameLeft_ + client_.Width(), frameTop_ + client_.Height()};
  const HeadlessControl* control = Control(id);
  return control != nullptr ? control->rect : PixelRect{};
}

void HeadlessDialog::MoveItem(int id, const PixelRect& rect) {
  if (id == kWindowItem) {
    frameLeft_ = rect.left;
    frameTop_ = rect.top;
    if (rect.Width() != client_.Width() || rect.Height() != client_.Height())
      ResizeClient(rect.Width(), rect.Height());
    return;
  }
  HeadlessControl* control = Control(id);
  if (control == nullptr) return;
  control->rect = rect;
  if (GridSlot* slot = control->kind == ControlKind::kGrid ? Grid(id) : nullptr)
    slot->engine.Resize(rect.Width(), rect.Height());
}

void HeadlessDialog::SetMinimumSize(int width, int height) {
  minWidth_ = std::max(width, 0);
  minHeight_ = std::max(height, 0);
}

void HeadlessDialog::ResizeClient(int width, int height) {
  client_ = {0, 0, std::max(width, minWidth_), std::max(height, minHeight_)};
  DialogEvent event;
  event.kind = DialogEventKind::kSize;
  event.x = client_.Width();
  event.y = client_.Height();
  Send(event);
}

void HeadlessDialog::SetMenuItem(int command, std::string_view text, bool enabled) {
  MenuItem* item = FindMenuItem(menuBar_, command);
  if (item == nullptr) return;
  item->text = text;
  item->grayed = !enabled;
}

void HeadlessDialog::TrackPopupMenu(const std::vector<MenuItem>& items, int, int) {
  const std::optional<int> chosen = owner_.ChoosePopupItem(items);
  if (!chosen) return;
  // The choice arrives as a posted command, after the menu has closed.
  const int command = *chosen;
  Post([this, command] {
    DialogEvent event;
    event.kind = DialogEventKind::kCommand;
    event.id = command;
    event.code = kNotifyClicked;
    Send(event);
  });
}

void HeadlessDialog::Post(std::function<void()> action) {
  owner_.PostAction(*this, std::move(action));
}
