#include "headless/headless_user.h"

#include <string>

#include "text/utf8_text.h"
#include "headless/headless_dialog.h"

namespace {

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

std::string TypedLineBreaks(std::string_view text) {
  std::string typed;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) typed += '\r';
    typed += text[i];
  }
  return typed;
}

}  // namespace

std::vector<ScriptControl> ControlsOf(const HeadlessDialog& dialog) {
  std::vector<ScriptControl> controls;
  controls.reserve(dialog.Controls().size());
  for (const HeadlessControl& control : dialog.Controls()) {
    controls.push_back({control.id, control.kind, control.style, control.visible,
                        control.enabled, dialog.ControlText(control)});
  }
  return controls;
}

std::string UserCommand(HeadlessDialog& dialog, int id) {
  CommandTarget target = CommandTarget::kWindow;
  if (std::string why = CheckCommand(dialog.MenuBar(), ControlsOf(dialog), id, &target);
      !why.empty())
    return why;
  if (target == CommandTarget::kControl) {
    dialog.SetFocusItem(id);
    const HeadlessControl& control = *dialog.Control(id);
    if (control.kind == ControlKind::kCheckBox) dialog.CheckItem(id, !control.checked);
    if (control.kind == ControlKind::kRadioButton) CheckRadio(dialog, id);
  }
  SendCommand(dialog, id, kNotifyClicked);
  return {};
}

std::string UserEdit(HeadlessDialog& dialog, int id, std::string_view text) {
  if (std::string why = CheckTyping(ControlsOf(dialog), id, text); !why.empty()) return why;
  HeadlessControl& control = *dialog.Control(id);
  dialog.SetFocusItem(id);
  // Enter types "\r\n"; typing stops at the limit, where a line break counts
  // as those two characters; the program's own texts have no limit.
  std::string typed = TypedLineBreaks(text);
  if (control.limit > 0) {
    typed = FirstChars(typed, static_cast<std::size_t>(control.limit));
    if (!typed.empty() && typed.back() == '\r') typed.pop_back();
  }
  control.text = std::move(typed);
  control.modified = true;
  control.formats.clear();
  SendCommand(dialog, id,
              control.kind == ControlKind::kComboBox ? kNotifyComboEditUpdate : kNotifyEditUpdate);
  return {};
}

std::string UserSelect(HeadlessDialog& dialog, int id, int index) {
  if (std::string why = CheckChoice(ControlsOf(dialog), dialog, id, index); !why.empty())
    return why;
  dialog.SetFocusItem(id);
  HeadlessControl& control = *dialog.Control(id);
  if (control.MultipleSelection()) {
    // A Ctrl+click: the item joins the selection; one already in it stays.
    if (control.IsSelected(index)) return {};
    control.MarkItem(index, true);
    control.selection = index;
  } else {
    dialog.SetItemSelection(id, index);
  }
  SendCommand(dialog, id, kNotifySelChange);
  return {};
}

std::string UserDoubleClickItem(HeadlessDialog& dialog, int id, int index) {
  if (std::string why = CheckListItem(ControlsOf(dialog), dialog, id, index); !why.empty())
    return why;
  // The first click selects the item alone, the second reports the double click.
  dialog.SetFocusItem(id);
  dialog.SetItemSelection(id, index);
  SendCommand(dialog, id, kNotifySelChange);
  SendCommand(dialog, id, kNotifyDoubleClick);
  return {};
}

std::string UserClickTab(HeadlessDialog& dialog, int index) {
  int id = 0;
  if (std::string why = CheckTab(ControlsOf(dialog), dialog, index, &id); !why.empty())
    return why;
  // A click on the selected tab changes nothing.
  if (index == dialog.GetTabSelection(id)) return {};
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
  if (std::string why = CheckContext(ControlsOf(dialog), id); !why.empty()) return why;
  DialogEvent event;
  event.kind = DialogEventKind::kContextMenu;
  event.id = id;
  if (id != 0) {
    const HeadlessControl* control = dialog.Control(id);
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
