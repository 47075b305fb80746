#pragma once
// Dialogs and menus as data: every window of the program is built from one of
// these by the desktop shell and by the headless implementation alike.

#include <cstdint>
#include <string>
#include <vector>

enum class ControlKind {
  kLabel,          // static text
  kEdit,           // single or multi-line edit box
  kButton,         // push button
  kDefaultButton,  // push button that Enter presses
  kCheckBox,
  kRadioButton,
  kGroupBox,
  kComboBox,  // drop-down combo box with an edit part
  kDropList,  // drop-down list without an edit part
  kListBox,
  kTabStrip,
  kGrid,      // the grid control
  kRichEdit,  // read-only formatted text
  kUpDown,    // spin control attached to the edit before it
};

enum ControlStyle : std::uint32_t {
  kStyleNone = 0,
  kStyleHidden = 1u << 0,
  kStyleDisabled = 1u << 1,
  kStyleMultiline = 1u << 2,
  kStyleReadOnly = 1u << 3,
  kStyleVScroll = 1u << 4,
  kStyleGroup = 1u << 5,  // starts a group of radio buttons
  kStyleWantReturn = 1u << 6,
  kStyleRight = 1u << 7,  // right-aligned text
  kStyleCenter = 1u << 8,
  kStyleExtendedSel = 1u << 9,  // a list box of multiple selection, shift and ctrl extending it
};

// Positions and sizes in dialog units: x and width in quarters of the average
// character width, y and height in eighths of the character height.
struct ControlTemplate {
  int id = 0;
  ControlKind kind = ControlKind::kLabel;
  std::string text;
  int x = 0, y = 0, width = 0, height = 0;
  std::uint32_t style = kStyleNone;
};

struct MenuItem {
  int id = 0;  // 0 with no text: a separator
  std::string text;
  bool grayed = false;
  std::vector<MenuItem> submenu;

  bool IsSeparator() const { return id == 0 && text.empty() && submenu.empty(); }
};

struct MenuTemplate {
  int id = 0;
  std::vector<MenuItem> items;  // the menu bar's entries with their submenus
};

// A key the window turns into a command, as a menu item's key does ("Ctrl+Z").
struct KeyCommand {
  std::string key;
  int command = 0;
};

struct DialogTemplate {
  int id = 0;
  std::string caption;
  int width = 0, height = 0;  // dialog units
  std::vector<ControlTemplate> controls;
  const MenuTemplate* menu = nullptr;
  bool resizable = false;
  std::vector<KeyCommand> keys;
};
