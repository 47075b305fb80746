#include "headless/headless_user.h"

#include <string>

#include "text/utf8_text.h"
#include "headless/headless_dialog.h"
#include "headless/headless_menu.h"

namespace {

std::string Named(int id) { return "control " + std::to_string(id); }

std::string CheckUsable(const HeadlessControl* control, int id) {
  if (control == nullptr) return "there is no " + Named(id);
  if (!control->visible) return Named(id) + " is hidden";
  if (!control->enabled) return Named(id) + " is disabled";
  return {};
}

void SendCommand(HeadlessDialog& dialog, int id, int code) {
  DialogEvent event;
  event.kind = DialogEventKind::kCommand;
  event.id = id;
  event.code = code;
  dialog.Send(event);
}

// Radio buttons from one kStyleGroup control up to the next form a group.
void CheckRadio(HeadlessDialog& dialog, int id) {
  const auto& controls = dialog.Controls();
  std::size_t at = 0;
  while (controls[at].id != id) ++at;
  std::size_t first = at;
  while (first > 0 && (controls[first].style & kStyleGroup) == 0) --first;
  for (std::size_t i = first; i < controls.size(); ++i) {
    if (i > first && (controls[i].style & kStyleGroup) != 0) break;
    if (controls[i].kind == ControlKind::kRadioButton && controls[i].id != id)
      dialog.CheckItem(controls[i].id, false);
  }
  dialog.CheckItem(id, true);
}

}  // namespace

std::string UserCommand(HeadlessDialog& dialog, int id) {
  // Menu commands may share a number with a control (a hidden button).
  if (const MenuItem* item = FindMenuItem(dialog.MenuBar(), id)) {
    if (item->grayed) return "menu item " + std::to_string(id) + " is grayed";
    SendCommand(dialog, id, kNotifyClicked);
    return {};
  }
  if (const HeadlessControl* control = dialog.Control(id)) {
    if (std::string why = CheckUsable(control, id); !why.empty()) return why;
    if (!control->IsClickable()) return Named(id) + " is not a button";
    dialog.SetFocusItem(id);
    if (control->kind == ControlKind::kCheckBox) dialog.CheckItem(id, !control->checked);
    if (control->kind == ControlKind::kRadioButton) CheckRadio(dialog, id);
  }
  SendCommand(dialog, id, kNotifyClicked);
  return {};
}

std::string UserEdit(HeadlessDialog& dialog, int id, std::string_view text) {
  HeadlessControl* control = dialog.Control(id);
  if (std::string why = CheckUsable(control, id); !why.empty()) return why;
  if (!control->TakesTyping() || (control->style & kStyleReadOnly) != 0)
    return Named(id) + " takes no typing";
  dialog.SetFocusItem(id);
  // Typing stops at the limit; the program's own texts do not.
  control->text =
      control->limit > 0 ? FirstChars(text, static_cast<std::size_t>(control->limit)) : text;
  control->modified = true;
  control->formats.clear();
  SendCommand(dialog, id,
              control->kind == ControlKind::kComboBox ? kNotifyComboEditUpdate : kNotifyEditUpdate);
  return {};
}

std::string UserSelect(HeadlessDialog& dialog, int id, int index) {
  const HeadlessControl* control = dialog.Control(id);
  if (std::string why = CheckUsable(control, id); !why.empty()) return why;
  if (!control->IsList()) return Named(id) + " has no items";
  if (index < 0 || index >= static_cast<int>(control->items.size()))
    return Named(id) + " has no item " + std::to_string(index);
  dialog.SetFocusItem(id);
  dialog.SetItemSelection(id, index);
  SendCommand(dialog, id, kNotifySelChange);
  return {};
}

std::string UserClickTab(HeadlessDialog& dialog, int index) {
  const HeadlessControl* strip = dialog.FirstOfKind(ControlKind::kTabStrip);
  if (strip == nullptr) return "the window has no tab strip";
  if (std::string why = CheckUsable(strip, strip->id); !why.empty()) return why;
  if (index < 0 || index >= static_cast<int>(strip->tabs.size()))
    return "there is no tab " + std::to_string(index);
  // A click on the selected tab changes nothing.
  if (index == strip->tabSelection) return {};
  const int id = strip->id;
  DialogEvent event;
  event.kind = DialogEventKind::kTabChanging;
  event.id = id;
  dialog.Send(event);
  dialog.SetTabSelection(id, index);
  event.kind = DialogEventKind::kTabChanged;
  dialog.Send(event);
  return {};
}

std::string UserContextMenu(HeadlessDialog& dialog, int id) {
  DialogEvent event;
  event.kind = DialogEventKind::kContextMenu;
  event.id = id;
  if (id != 0) {
    const HeadlessControl* control = dialog.Control(id);
    if (control == nullptr) return "there is no " + Named(id);
    if (!control->visible) return Named(id) + " is hidden";
    event.x = (control->rect.left + control->rect.right) / 2;
    event.y = (control->rect.top + control->rect.bottom) / 2;
  }
  dialog.Send(event);
  return {};
}

std::string UserClose(HeadlessDialog& dialog) {
  DialogEvent event;
  event.kind = DialogEventKind::kClose;
  dialog.Send(event);
  return {};
}
