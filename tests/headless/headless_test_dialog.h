#pragma once
// A small dialog with one control of each kind, and a procedure that records
// what reaches it, for the headless platform's tests.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/dialog_template.h"

namespace headless_test {

enum : int {
  kLabel = 10, kEdit, kCombo, kCheck, kRadioA, kRadioB, kOpenButton, kHiddenButton,
  kDisabledButton, kDropList, kTabs,
  kGrid = 30,
  kRich = 40, kSpin, kReadOnly,
  kMenuNew = 100, kMenuExit,
  kMenuHidden = kHiddenButton,  // a menu command sharing a hidden button's number
};

inline const MenuTemplate& TestMenu() {
  static const MenuTemplate menu{
      7,
      {{0, "&File", false, {{kMenuNew, "&New", false, {}}, {}, {kMenuExit, "E&xit", true, {}}}},
       {0, "&View", false, {{kMenuHidden, "&Hidden", false, {}}}}}};
  return menu;
}

inline DialogTemplate TestTemplate() {
  DialogTemplate t;
  t.id = 500;
  t.caption = "Test Dialog";
  t.width = 400;
  t.height = 300;
  t.menu = &TestMenu();
  t.controls = {
      {kTabs, ControlKind::kTabStrip, "", 4, 4, 392, 200, kStyleNone},
      {kLabel, ControlKind::kLabel, "Name", 8, 20, 40, 8, kStyleNone},
      {kEdit, ControlKind::kEdit, "", 50, 20, 60, 12, kStyleNone},
      {kCombo, ControlKind::kComboBox, "", 50, 36, 60, 60, kStyleNone},
      {kCheck, ControlKind::kCheckBox, "Check", 120, 20, 40, 10, kStyleNone},
      {kRadioA, ControlKind::kRadioButton, "A", 120, 32, 40, 10, kStyleGroup},
      {kRadioB, ControlKind::kRadioButton, "B", 120, 44, 40, 10, kStyleNone},
      {kOpenButton, ControlKind::kButton, "Open...", 170, 20, 40, 14, kStyleGroup},
      {kHiddenButton, ControlKind::kButton, "Hidden", 170, 36, 40, 14, kStyleHidden},
      {kDisabledButton, ControlKind::kButton, "Off", 170, 52, 40, 14, kStyleDisabled},
      {kDropList, ControlKind::kDropList, "", 220, 20, 60, 60, kStyleNone},
      {kGrid, ControlKind::kGrid, "", 8, 60, 380, 120, kStyleNone},
      {kRich, ControlKind::kRichEdit, "", 8, 210, 380, 40, kStyleReadOnly},
      {kReadOnly, ControlKind::kEdit, "fixed", 8, 260, 60, 12, kStyleReadOnly},
      {kSpin, ControlKind::kUpDown, "", 70, 260, 10, 12, kStyleNone},
      {kIdOk, ControlKind::kDefaultButton, "OK", 300, 280, 40, 14, kStyleNone},
      {kIdCancel, ControlKind::kButton, "Cancel", 350, 280, 40, 14, kStyleNone},
  };
  return t;
}

// Events as text: "init 5", "command 16 0 0", "size 700 600", "destroy"...
inline std::string Describe(const DialogEvent& event) {
  switch (event.kind) {
    case DialogEventKind::kInit:
      return "init " + std::to_string(event.param);
    case DialogEventKind::kCommand:
      return "command " + std::to_string(event.id) + " " + std::to_string(event.code) + " " +
             std::to_string(event.param);
    case DialogEventKind::kTabChanging:
      return "changing " + std::to_string(event.id);
    case DialogEventKind::kTabChanged:
      return "changed " + std::to_string(event.id);
    case DialogEventKind::kSize:
      return "size " + std::to_string(event.x) + " " + std::to_string(event.y);
    case DialogEventKind::kContextMenu:
      return "menu " + std::to_string(event.id);
    case DialogEventKind::kClose:
      return "close";
    case DialogEventKind::kDestroy:
      return "destroy";
  }
  return "?";
}

// Keeps every event's description; a test adds its own reactions.
struct EventLog {
  std::vector<std::string> events;
  DialogProc Proc() {
    return [this](Dialog&, const DialogEvent& event) {
      events.push_back(Describe(event));
      return 1;
    };
  }
  std::vector<std::string> Take() {
    std::vector<std::string> taken;
    taken.swap(events);
    return taken;
  }
};

}  // namespace headless_test
