#pragma once
// The window system around a grid inside a headless dialog: notifications go to
// the dialog procedure as command events, text is measured with the fixed
// metrics (7 pixels a character, a line as high as the font).

#include <cstdint>
#include <string_view>

#include "grid/grid_host.h"

class HeadlessDialog;
class HeadlessDialogOwner;

class HeadlessDialogGridHost : public GridHost {
 public:
  HeadlessDialogGridHost(HeadlessDialog& dialog, HeadlessDialogOwner& owner, int controlId)
      : dialog_(dialog), owner_(owner), controlId_(controlId) {}

  void GridNotify(int controlId, int code, std::intptr_t lParam) override;
  TextExtent MeasureText(const GridFont& font, std::string_view text) override;
  void Beep() override;
  void TakeFocus() override;
  void FocusChanged() override;
  void MoveFocus(bool forward) override;
  int DefaultTextHeight() override;

 private:
  HeadlessDialog& dialog_;
  HeadlessDialogOwner& owner_;
  int controlId_;
};
