#pragma once
// A dialog as its procedure sees it: events in, actions on controls addressed by
// identifier out. The desktop shell and the headless implementation both offer it.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/dialog_window.h"

class GridEngine;

// Results of a dialog or a message box, as the system numbers them.
enum DialogResult : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// Notification codes that travel with a command from a control.
enum ControlNotification : int {
  kNotifyClicked = 0,            // button, check box, radio button, menu item
  kNotifySelChange = 1,          // list box or combo box selection changed
  kNotifyDoubleClick = 2,        // list box item double-clicked
  kNotifyComboEditUpdate = 6,    // the edit part of a combo box changed
  kNotifyEditChange = 0x0300,    // an edit box's text changed
  kNotifyEditUpdate = 0x0400,    // an edit box is about to show changed text
};

enum class DialogEventKind {
  kInit,         // param: the creation parameter
  kCommand,      // id, code; grid notifications come here with the grid's id, the GN_ code
                 // and the grid's lParam
  kTabChanging,  // id: the tab strip; its selection is about to change
  kTabChanged,   // id: the tab strip; its selection changed
  kSize,         // x, y: the new client width and height
  kContextMenu,  // id: the control under the pointer (0: the dialog), x, y: screen position
  kClose,        // the user asked to close the window (system close)
  kDestroy,
};

struct DialogEvent {
  DialogEventKind kind = DialogEventKind::kInit;
  int id = 0;
  int code = 0;
  std::intptr_t param = 0;
  int x = 0, y = 0;
};

class Dialog;
// Returns 1 when it handled the event, 0 otherwise.
using DialogProc = std::function<int(Dialog&, const DialogEvent&)>;

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

struct TextStyle {
  bool bold = false;
  bool italic = false;
  std::uint32_t color = 0;  // 0x00BBGGRR
  bool autoColor = true;    // the control's own text colour
};

// Item 0 addresses the window itself: its frame in screen coordinates for
// GetItemRect and MoveItem, its visibility for ShowItem and IsItemVisible.
inline constexpr int kWindowItem = 0;

class Dialog : public PlatformWindow {
 public:
  virtual int TemplateId() const = 0;
  virtual void SetCaption(std::string_view caption) = 0;
  virtual std::string GetCaption() const = 0;

  // Edits and labels. Limits count characters; the modified flag is set by the
  // user's typing and cleared by the program.
  virtual void SetItemLimit(int id, int chars) = 0;
  virtual bool GetItemModified(int id) const = 0;
  virtual void SetItemModified(int id, bool modified) = 0;

  virtual void ShowItem(int id, bool show) = 0;
  virtual bool IsItemVisible(int id) const = 0;
  virtual void EnableItem(int id, bool enable) = 0;
  virtual bool IsItemEnabled(int id) const = 0;
  virtual void CheckItem(int id, bool check) = 0;
  virtual bool IsItemChecked(int id) const = 0;
  virtual void SetFocusItem(int id) = 0;
  virtual int GetFocusItem() const = 0;

  // List boxes and combo boxes.
  virtual void ResetItems(int id) = 0;
  virtual int AddItemString(int id, std::string_view text) = 0;
  virtual int CountItemStrings(int id) const = 0;
  virtual std::string GetItemString(int id, int index) const = 0;
  // A list of multiple selection (kStyleExtendedSel) reports the item with the
  // caret, and takes the index as its only selected item.
  virtual int GetItemSelection(int id) const = 0;  // -1: none
  virtual void SetItemSelection(int id, int index) = 0;
  // Each item of a list box on its own, in a list of either kind.
  virtual bool IsItemSelected(int id, int index) const = 0;
  virtual void SetItemSelected(int id, int index, bool selected) = 0;

  // Tab strips. Selecting from the program sends no change events.
  virtual void InsertTab(int id, int index, std::string_view label) = 0;
  virtual void DeleteAllTabs(int id) = 0;
  virtual int CountTabs(int id) const = 0;
  virtual std::string GetTabLabel(int id, int index) const = 0;
  virtual void SetTabLabel(int id, int index, std::string_view label) = 0;
  virtual int GetTabSelection(int id) const = 0;
  virtual void SetTabSelection(int id, int index) = 0;

  // Formatted text (the instruction box): a character range gets a style.
  virtual void FormatItemText(int id, int start, int length, const TextStyle& style) = 0;

  // Up-down controls.
  virtual void SetUpDownRange(int id, int low, int high) = 0;
  virtual void SetUpDownPosition(int id, int position) = 0;

  // Geometry in pixels, client coordinates.
  virtual PixelRect GetItemRect(int id) const = 0;
  virtual void MoveItem(int id, const PixelRect& rect) = 0;
  virtual PixelRect GetClientRect() const = 0;
  virtual void SetMinimumSize(int width, int height) = 0;
  // Average character width and character height of the dialog's font.
  virtual int AverageCharWidth() const = 0;
  virtual int CharHeight() const = 0;

  // The grid control of that identifier; nullptr when there is none.
  virtual GridEngine* GetGrid(int id) = 0;

  // The dialog's menu bar.
  virtual void SetMenuItem(int command, std::string_view text, bool enabled) = 0;
  // Hides or shows an item; a menu without a look of its own keeps it, so a
  // hidden item is grayed as well.
  virtual void ShowMenuItem(int /*command*/, bool /*show*/) {}
  // Shows a popup menu at a screen position; a chosen item arrives afterwards as
  // a command event, as a menu bar item does.
  virtual void TrackPopupMenu(const std::vector<MenuItem>& items, int x, int y) = 0;

  // An action to run once the current event has been handled (a posted message).
  virtual void Post(std::function<void()> action) = 0;
  // Ends a modal dialog with a result; destroys a modeless one.
  virtual void EndDialog(int result) = 0;
  virtual void Repaint() = 0;
};
