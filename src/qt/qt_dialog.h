#pragma once
// A dialog template rendered as Qt widgets. Controls sit at absolute positions
// (dialog units through the dialog font) on a client widget, under an optional
// menu bar. User actions reach the dialog procedure as events; the program's
// own changes to controls send none.

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/dialog.h"
#include "qt/dialog_units.h"

class QAction;
class QDialog;
class QEvent;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPoint;
class QWidget;

struct DialogControl {
  int id = 0;
  ControlKind kind = ControlKind::kLabel;
  std::uint32_t style = kStyleNone;
  int radioGroup = 0;  // radio buttons of one group exclude each other
  QWidget* widget = nullptr;
  std::string text;    // the text as the program last set it
  bool modified = false;
  int limit = 0;       // characters an edit may hold; 0: no limit
  QString acceptedText;  // edits: the last text within the limit
  int tabSelection = -1;  // tab strips: the selection the procedure last saw
};

class QtDialog : public QObject, public Dialog {
 public:
  enum class Mode { kModal, kModeless };

  QtDialog(const DialogTemplate& dialogTemplate, DialogProc proc, QWidget* owner, Mode mode);
  ~QtDialog() override;

  // Sends kInit with the creation parameter; a modeless dialog is shown after it
  // unless it ended meanwhile.
  void Initialize(std::intptr_t param);
  // Runs a modal dialog's loop (unless it already ended), sends kDestroy and
  // returns the result. A pump runs from inside the loop until the dialog ends
  // (a script acting on it); when it has nothing more to run, the dialog is
  // cancelled.
  int Exec(const std::function<bool()>& pump = {});

  QWidget* Window() const;
  // Called each time the program shows the window (it comes to the front then).
  void SetShownHandler(std::function<void(QtDialog&)> handler) { shownHandler_ = std::move(handler); }
  QWidget* Client() const { return client_; }
  bool HasEnded() const { return ended_; }
  const DialogUnits& Units() const { return units_; }
  // The Qt dialog behind a platform window; nullptr for any other window.
  static QtDialog* Of(PlatformWindow* window);
  // The widget of a control; nullptr when there is none.
  QWidget* ItemWidget(int id) const;
  QMenuBar* MenuBar() const { return menuBar_; }
  // The controls in template order, and one's text as GetItemText reports it.
  const std::vector<DialogControl>& Controls() const { return controls_; }
  std::string ControlText(const DialogControl& control) const;
  // The control a mouse click at a point of the client area reaches; 0 for
  // the window's background.
  int ControlIdAt(const QPoint& clientPos) const;

  // The procedure's answer to an event; 0 once the dialog was destroyed.
  int Send(const DialogEvent& event);
  int SendCommand(int id, int code, std::intptr_t param = 0);

  // PlatformWindow
  std::string GetItemText(int id) const override;
  void SetItemText(int id, std::string_view text) override;

  // Dialog
  int TemplateId() const override { return templateId_; }
  void SetCaption(std::string_view caption) override;
  std::string GetCaption() const override;
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
  int GetFocusItem() const override;
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
  PixelRect GetClientRect() const override;
  void SetMinimumSize(int width, int height) override;
  int AverageCharWidth() const override { return units_.avgCharWidth; }
  int CharHeight() const override { return units_.charHeight; }
  GridEngine* GetGrid(int id) override;
  void SetMenuItem(int command, std::string_view text, bool enabled) override;
  void ShowMenuItem(int command, bool show) override;
  void TrackPopupMenu(const std::vector<MenuItem>& items, int x, int y) override;
  void Post(std::function<void()> action) override;
  void EndDialog(int result) override;
  void Repaint() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building (qt_dialog_build.cpp).
  void BuildControls(const std::vector<ControlTemplate>& controls);
  QWidget* CreateControl(const ControlTemplate& control, std::size_t index);
  void ConnectControl(std::size_t index);
  void ConnectEdit(std::size_t index);
  void ConnectChoices(std::size_t index);
  void ConnectTabStrip(std::size_t index);
  void AttachUpDown(std::size_t index);
  void OnLineEdited(std::size_t index, QLineEdit* line, const QString& text, int notification);
  void OnMultilineChanged(std::size_t index);
  bool WithinLimit(const DialogControl& control, const QString& text) const;
  // The text the user's next change is measured against: the widget's own.
  void RememberText(DialogControl& control);
  void OnTabBarChanged(std::size_t index, int newIndex);
  void OnRadioClicked(std::size_t index);

  // Menus (qt_dialog_menu.cpp).
  void BuildMenuBar(const MenuTemplate& menu);
  void BuildKeys(const std::vector<KeyCommand>& keys);
  void FillMenu(QMenu* menu, const std::vector<MenuItem>& items, bool deliverNow);

  // Keys, closing, sizes and context menus of the window (qt_dialog_events.cpp).
  bool HandleWindowKey(QEvent* event);
  bool HandleClose(QEvent* event);
  bool HandleClientContextMenu(QEvent* event);
  int ControlIdOf(const QWidget* widget) const;
  const DialogControl* ControlOf(const QWidget* widget) const;

  void PumpFromLoop(const std::function<bool()>& pump);
  void MoveFrame(const PixelRect& rect);
  DialogControl* Find(int id);
  const DialogControl* Find(int id) const;
  // The user changed the text: modified first, then the procedure hears it.
  void UserEdited(DialogControl& control, int notification);

  int templateId_ = 0;
  DialogProc proc_;
  Mode mode_;
  QPointer<QWidget> window_;
  QDialog* modal_ = nullptr;
  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  std::function<void(QtDialog&)> shownHandler_;
  DialogUnits units_;
  std::vector<DialogControl> controls_;
  std::unordered_map<int, std::size_t> firstById_;
  std::unordered_map<int, QAction*> menuActions_;
  bool resizable_ = false;
  bool framePending_ = false;
  PixelRect pendingFrame_;
  bool initialized_ = false;
  bool ended_ = false;
  bool destroySent_ = false;
  bool executing_ = false;
  int result_ = 0;
};
