#include "headless/headless_dialog_grid_host.h"

#include "text/utf8_text.h"
#include "headless/headless_dialog.h"

void HeadlessDialogGridHost::GridNotify(int controlId, int code, std::intptr_t lParam) {
  DialogEvent event;
  event.kind = DialogEventKind::kCommand;
  event.id = controlId;
  event.code = code;
  event.param = lParam;
  dialog_.Send(event);
}

TextExtent HeadlessDialogGridHost::MeasureText(const GridFont& font, std::string_view text) {
  return {static_cast<int>(CountChars(text)) * kHeadlessCharWidth, font.height};
}

void HeadlessDialogGridHost::Beep() { owner_.Beep(); }

void HeadlessDialogGridHost::TakeFocus() { dialog_.SetFocusItem(controlId_); }

void HeadlessDialogGridHost::FocusChanged() { dialog_.GridFocusChanged(controlId_); }

void HeadlessDialogGridHost::MoveFocus(bool forward) { dialog_.MoveFocus(forward); }

int HeadlessDialogGridHost::DefaultTextHeight() { return kHeadlessCharHeight; }
