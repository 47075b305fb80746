#pragma once
// A dialog without a screen, built from its template: every control keeps the
// state the window system would keep, a grid control gets a grid engine whose
// notifications reach the dialog procedure, and geometry follows the fixed
// metrics of headless_control.h.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog.h"
#include "headless/headless_control.h"

class HeadlessDialog;

// What a headless dialog needs from the platform that made it.
class HeadlessDialogOwner {
 public:
  virtual ~HeadlessDialogOwner() = default;
  // Queue an action to run once the current event has been handled.
  virtual void PostAction(HeadlessDialog& from, std::function<void()> action) = 0;
  // The user's choice in a popup menu; nullopt when it was dismissed.
  virtual std::optional<int> ChoosePopupItem(const std::vector<MenuItem>& items) = 0;
  // A modeless dialog has ended and received its destroy event.
  virtual void ModelessEnded(HeadlessDialog& dialog) = 0;
  // A window was shown by its program: it comes to the front.
  virtual void WindowShown(HeadlessDialog& dialog) = 0;
  virtual void Beep() = 0;
};

class HeadlessDialog : public Dialog {
 public:
  HeadlessDialog(const DialogTemplate& from, DialogProc proc, HeadlessDialogOwner& owner,
                 Dialog* ownerWindow, bool modal);
  ~HeadlessDialog() override;
  HeadlessDialog(const HeadlessDialog&) = delete;
  HeadlessDialog& operator=(const HeadlessDialog&) = delete;

  // Hands an event to the procedure; 0 once the dialog is destroyed.
  int Send(const DialogEvent& event);
  // Sends the destroy event once; no event reaches the procedure after it.
  void Destroy();

  bool IsModal() const { return modal_; }
  bool Ended() const { return ended_; }
  bool Destroyed() const { return destroyed_; }
  int Result() const { return result_; }
  Dialog* OwnerWindow() const { return ownerWindow_; }

  // The first control with that identifier, as the window system finds it.
  HeadlessControl* Control(int id);
  const HeadlessControl* Control(int id) const;
  const std::vector<HeadlessControl>& Controls() const { return controls_; }
  // The first control of a kind, in template order; nullptr when there is none.
  HeadlessControl* FirstOfKind(ControlKind kind);
  std::string ControlText(const HeadlessControl& control) const;
  const std::vector<MenuItem>& MenuBar() const { return menuBar_; }
  int MinimumWidth() const { return minWidth_; }
  int MinimumHeight() const { return minHeight_; }
  int Repaints() const { return repaints_; }

  // The user resizes the window: kept at least at the minimum size, then kSize.
  void ResizeClient(int width, int height);
  // A grid's engine gained or lost the focus, maybe told so by the program:
  // the dialog's focus follows, so that the two never disagree.
  void GridFocusChanged(int id);
  // Ctrl+Tab and Ctrl+Shift+Tab out of a grid: the focus to the next or previous
  // control, in template order and round, that is shown, enabled and no mere label.
  void MoveFocus(bool forward);

  // PlatformWindow and Dialog.
  std::string GetItemText(int id) const override;
  void SetItemText(int id, std::string_view text) override;
  int TemplateId() const override { return templateId_; }
  void SetCaption(std::string_view caption) override { caption_ = caption; }
  std::string GetCaption() const override { return caption_; }
  void SetItemLimit(int id, int chars) override;
  bool GetItemModified(int id) const override;
  void SetItemModified(int id, bool modified) override;
  void ShowItem(int id, bool show) override;
  bool IsItemVisible(int id) const override;
  void EnableItem(int id, bool enable) override;
  bool IsItemEnabled(int id) const override;
  void CheckItem(int id, bool check) override;
  bool IsItemChecked(int id) const override;
  void SetFocusItem(int id) override;
  int GetFocusItem() const override { return focus_; }
  void ResetItems(int id) override;
  int AddItemString(int id, std::string_view text) override;
  int CountItemStrings(int id) const override;
  std::string GetItemString(int id, int index) const override;
  int GetItemSelection(int id) const override;
  void SetItemSelection(int id, int index) override;
  bool IsItemSelected(int id, int index) const override;
  void SetItemSelected(int id, int index, bool selected) override;
  void InsertTab(int id, int index, std::string_view label) override;
  void DeleteAllTabs(int id) override;
  int CountTabs(int id) const override;
  std::string GetTabLabel(int id, int index) const override;
  void SetTabLabel(int id, int index, std::string_view label) override;
  int GetTabSelection(int id) const override;
  void SetTabSelection(int id, int index) override;
  void FormatItemText(int id, int start, int length, const TextStyle& style) override;
  void SetUpDownRange(int id, int low, int high) override;
  void SetUpDownPosition(int id, int position) override;
  PixelRect GetItemRect(int id) const override;
  void MoveItem(int id, const PixelRect& rect) override;
  PixelRect GetClientRect() const override { return client_; }
  void SetMinimumSize(int width, int height) override;
  int AverageCharWidth() const override { return kHeadlessCharWidth; }
  int CharHeight() const override { return kHeadlessCharHeight; }
  GridEngine* GetGrid(int id) override;
  void SetMenuItem(int command, std::string_view text, bool enabled) override;
  void TrackPopupMenu(const std::vector<MenuItem>& items, int x, int y) override;
  void Post(std::function<void()> action) override;
  void EndDialog(int result) override;
  void Repaint() override { ++repaints_; }

 private:
  struct GridSlot;

  GridSlot* Grid(int id);

  int templateId_;
  std::string caption_;
  DialogProc proc_;
  HeadlessDialogOwner& owner_;
  Dialog* ownerWindow_;
  bool modal_;
  std::vector<HeadlessControl> controls_;
  std::vector<std::unique_ptr<GridSlot>> grids_;
  std::vector<MenuItem> menuBar_;
  PixelRect client_;
  // The window's frame on the screen: no decorations headless, so it is as
  // large as the client area.
  int frameLeft_ = 0, frameTop_ = 0;
  bool windowVisible_ = true;
  int minWidth_ = 0, minHeight_ = 0;
  int focus_ = 0;
  int repaints_ = 0;
  bool ended_ = false;
  bool destroyed_ = false;
  int result_ = 0;
};
