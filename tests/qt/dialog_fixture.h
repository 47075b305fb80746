#pragma once
// A dialog with one control of every kind, whose procedure records its events.

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <vector>

#include "grid/grid_engine.h"
#include "qt/qt_dialog.h"
#include "qt_test_support.h"

enum TestControl : int {
  kTabs = 100, kLabel, kEdit, kMemo, kOkButton, kOtherButton, kCheck, kRadioA, kRadioB, kRadioC,
  kCombo, kDrop, kList, kRich, kNumber, kSpin, kGroup, kGrid,
};

inline constexpr int kTestCommand = 900;

inline const MenuTemplate& TestMenu() {
  static const MenuTemplate menu{
      1, {{0, "&File", false, {{kTestCommand, "&Save && Close", false, {}}, {}, {901, "&Gone", true, {}}}}}};
  return menu;
}

inline DialogTemplate TestTemplate() {
  DialogTemplate dialog;
  dialog.id = 42;
  dialog.caption = "Test Dialog";
  dialog.width = 300;
  dialog.height = 200;
  dialog.resizable = true;
  dialog.menu = &TestMenu();
  dialog.controls = {
      {kTabs, ControlKind::kTabStrip, "", 4, 4, 292, 190, kStyleNone},
      {kLabel, ControlKind::kLabel, "&Name && more", 10, 24, 60, 8, kStyleNone},
      {kEdit, ControlKind::kEdit, "start", 10, 34, 60, 12, kStyleNone},
      {kMemo, ControlKind::kEdit, "", 10, 50, 60, 30, kStyleMultiline | kStyleWantReturn},
      {kOkButton, ControlKind::kDefaultButton, "OK", 10, 84, 40, 14, kStyleNone},
      {kOtherButton, ControlKind::kButton, "Other", 54, 84, 40, 14, kStyleNone},
      {kCheck, ControlKind::kCheckBox, "Check", 10, 100, 60, 10, kStyleNone},
      {kRadioA, ControlKind::kRadioButton, "A", 10, 112, 30, 10, kStyleGroup},
      {kRadioB, ControlKind::kRadioButton, "B", 40, 112, 30, 10, kStyleNone},
      {kRadioC, ControlKind::kRadioButton, "C", 70, 112, 30, 10, kStyleGroup},
      {kCombo, ControlKind::kComboBox, "", 80, 34, 60, 60, kStyleNone},
      {kDrop, ControlKind::kDropList, "", 80, 50, 60, 60, kStyleNone},
      {kList, ControlKind::kListBox, "", 80, 66, 60, 30, kStyleNone},
      {kRich, ControlKind::kRichEdit, "", 150, 24, 140, 40, kStyleReadOnly},
      {kNumber, ControlKind::kEdit, "", 150, 70, 30, 12, kStyleNone},
      {kSpin, ControlKind::kUpDown, "", 180, 70, 10, 12, kStyleNone},
      {kGroup, ControlKind::kGroupBox, "Group", 150, 90, 140, 40, kStyleNone},
      {kGrid, ControlKind::kGrid, "", 150, 134, 140, 56, kStyleNone},
  };
  return dialog;
}

class DialogTest : public ::testing::Test {
 protected:
  void TearDown() override {
    onEvent_ = nullptr;  // it may hold the test's locals; the window still reports its end
    delete window_.data();
  }

  // Builds the dialog; the procedure records and answers with `answer`.
  QtDialog& Open(DialogTemplate dialogTemplate = TestTemplate(), bool show = true) {
    auto* dialog = new QtDialog(
        dialogTemplate,
        [this](Dialog& self, const DialogEvent& event) {
          events_.push_back(event);
          return onEvent_ ? onEvent_(self, event) : answer_;
        },
        nullptr, QtDialog::Mode::kModeless);
    window_ = dialog->Window();
    dialog_ = dialog;
    dialog->Initialize(7);
    if (show) {
      EXPECT_TRUE(ShowActive(window_));
    }
    events_.clear();
    return *dialog;
  }

  std::vector<DialogEvent> Take() {
    std::vector<DialogEvent> taken;
    taken.swap(events_);
    return taken;
  }

  template <typename Widget>
  Widget* Item(int id) const {
    return dynamic_cast<Widget*>(dialog_->ItemWidget(id));
  }

  QPointer<QWidget> window_;
  QtDialog* dialog_ = nullptr;
  std::vector<DialogEvent> events_;
  int answer_ = 0;
  std::function<int(Dialog&, const DialogEvent&)> onEvent_;
};

inline bool IsCommand(const DialogEvent& event, int id, int code) {
  return event.kind == DialogEventKind::kCommand && event.id == id && event.code == code;
}
