#pragma once
// One control of a headless dialog: what the window system would keep for it.
//
// Fixed metrics stand in for the dialog font: an average character is 7 pixels
// wide and a character 16 pixels high, so a dialog unit is 7/4 pixel across and
// 16/8 pixels down.

#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "script/styled_runs.h"

inline constexpr int kHeadlessCharWidth = 7;
inline constexpr int kHeadlessCharHeight = 16;

int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);

struct HeadlessControl {
  explicit HeadlessControl(const ControlTemplate& from);

  int id = 0;
  ControlKind kind = ControlKind::kLabel;
  std::uint32_t style = kStyleNone;
  std::string text;  // for a combo box, its edit part
  PixelRect rect;
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  bool modified = false;
  int limit = 0;  // characters; 0: none
  std::vector<std::string> items;
  int selection = -1;         // a list of multiple selection: the item with the caret
  std::vector<char> marked;   // a list of multiple selection: whether each item is selected
  std::vector<std::string> tabs;
  int tabSelection = -1;
  std::vector<StyledRun> formats;  // in the order they were applied
  int upDownLow = 0, upDownHigh = 100, upDownPosition = 0;

  // The text as the window system reports it: a drop-down list shows its
  // selected item; a list box has none.
  std::string WindowText() const;
  // Setting the text from the program: no limit applies and the edit no longer
  // counts as changed by the user; formatting is dropped.
  void SetWindowText(std::string_view value);

  void InsertTab(int index, std::string_view label);
  void SelectItem(int index);
  bool MultipleSelection() const { return (style & kStyleExtendedSel) != 0; }
  bool IsSelected(int index) const;
  void MarkItem(int index, bool selected);
  // Every character's style merged into runs covering the whole text.
  std::vector<StyledRun> StyleRuns() const;
};
