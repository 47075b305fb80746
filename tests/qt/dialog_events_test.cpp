// What the user does reaches the procedure as the events it expects.

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>

#include "dialog_fixture.h"
#include "qt/qt_platform.h"
#include "qt/tab_strip_widget.h"

namespace {

std::vector<int> Codes(const std::vector<DialogEvent>& events, int id) {
  std::vector<int> codes;
  for (const DialogEvent& event : events) {
    if (event.kind == DialogEventKind::kCommand && event.id == id) codes.push_back(event.code);
  }
  return codes;
}

}  // namespace

TEST_F(DialogTest, LimitsRefuseTypingBeyondThemButNotShrinking) {
  QtDialog& dialog = Open();
  dialog.SetItemText(kEdit, "");
  dialog.SetItemLimit(kEdit, 3);
  QTest::keyClicks(Item<QLineEdit>(kEdit), "abcdef");
  EXPECT_EQ(dialog.GetItemText(kEdit), "abc");

  // A longer text from the program stays whole and may still be shortened.
  dialog.SetItemText(kEdit, "longer than three");
  Item<QLineEdit>(kEdit)->end(false);
  QTest::keyClick(Item<QLineEdit>(kEdit), Qt::Key_Backspace);
  EXPECT_EQ(dialog.GetItemText(kEdit), "longer than thre");
  QTest::keyClicks(Item<QLineEdit>(kEdit), "xy");
  EXPECT_EQ(dialog.GetItemText(kEdit), "longer than thre");

  // In a multi-line edit a line break counts as the two characters it becomes.
  dialog.SetItemLimit(kMemo, 4);
  QTest::keyClicks(Item<QPlainTextEdit>(kMemo), "a");
  QTest::keyClick(Item<QPlainTextEdit>(kMemo), Qt::Key_Return);
  QTest::keyClicks(Item<QPlainTextEdit>(kMemo), "bc");
  EXPECT_EQ(dialog.GetItemText(kMemo), "a\r\nb");
}

TEST_F(DialogTest, ButtonsAndRadioGroups) {
  Open();
  QTest::mouseClick(Item<QPushButton>(kOtherButton), Qt::LeftButton);
  QTest::mouseClick(Item<QRadioButton>(kRadioC), Qt::LeftButton);
  QTest::mouseClick(Item<QRadioButton>(kRadioA), Qt::LeftButton);
  QTest::mouseClick(Item<QRadioButton>(kRadioB), Qt::LeftButton);
  const std::vector<DialogEvent> events = Take();
  EXPECT_EQ(Codes(events, kOtherButton), std::vector<int>{kNotifyClicked});
  EXPECT_EQ(Codes(events, kRadioB).size(), 1u);
  EXPECT_FALSE(dialog_->IsItemChecked(kRadioA));
  EXPECT_TRUE(dialog_->IsItemChecked(kRadioB));
  EXPECT_TRUE(dialog_->IsItemChecked(kRadioC));  // another group
}

TEST_F(DialogTest, TypingMarksTheItemModifiedBeforeTellingTheProcedure) {
  QtDialog& dialog = Open();
  dialog.AddItemString(kDrop, "one");
  dialog.AddItemString(kDrop, "two");
  dialog.SetItemSelection(kDrop, 0);
  bool modifiedWhenTold = false;
  std::string textWhenTold;
  onEvent_ = [&](Dialog& self, const DialogEvent& event) {
    if (IsCommand(event, kEdit, kNotifyEditUpdate)) modifiedWhenTold = self.GetItemModified(kEdit);
    if (IsCommand(event, kDrop, kNotifySelChange)) textWhenTold = self.GetItemText(kDrop);
    return 0;
  };
  Item<QLineEdit>(kEdit)->selectAll();
  QTest::keyClicks(Item<QLineEdit>(kEdit), "ab");
  QTest::keyClick(Item<QComboBox>(kDrop), Qt::Key_Down);
  QTest::keyClicks(Item<QComboBox>(kCombo)->lineEdit(), "Ox");
  const std::vector<DialogEvent> events = Take();
  EXPECT_EQ(Codes(events, kEdit), (std::vector<int>{kNotifyEditUpdate, kNotifyEditUpdate}));
  EXPECT_EQ(Codes(events, kDrop), std::vector<int>{kNotifySelChange});
  EXPECT_EQ(Codes(events, kCombo), (std::vector<int>{kNotifyComboEditUpdate, kNotifyComboEditUpdate}));
  EXPECT_TRUE(modifiedWhenTold);
  EXPECT_EQ(textWhenTold, "two");
  EXPECT_EQ(dialog.GetItemText(kEdit), "ab");
  EXPECT_TRUE(dialog.GetItemModified(kCombo));
}

TEST_F(DialogTest, TabChangingSeesTheOldSelectionAndChangedTheNew) {
  QtDialog& dialog = Open();
  dialog.InsertTab(kTabs, 0, "Summary");
  dialog.InsertTab(kTabs, 1, "Budget");
  dialog.SetTabSelection(kTabs, 0);
  std::vector<std::pair<DialogEventKind, int>> seen;
  onEvent_ = [&](Dialog& self, const DialogEvent& event) {
    seen.emplace_back(event.kind, self.GetTabSelection(kTabs));
    return 1;
  };
  QTabBar* bar = Item<TabStripWidget>(kTabs)->Bar();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
  const std::vector<std::pair<DialogEventKind, int>> expected = {
      {DialogEventKind::kTabChanging, 0}, {DialogEventKind::kTabChanged, 1}};
  EXPECT_EQ(seen, expected);
}

TEST_F(DialogTest, EnterAndEscapeAreTheDialogsOkAndCancel) {
  Open();
  QTest::keyClick(Item<QLineEdit>(kEdit), Qt::Key_Return);
  QTest::keyClick(Item<QLineEdit>(kEdit), Qt::Key_Escape);
  Item<QPushButton>(kOtherButton)->setFocus();
  QTest::keyClick(Item<QPushButton>(kOtherButton), Qt::Key_Return);
  const std::vector<DialogEvent> events = Take();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_TRUE(IsCommand(events[0], kOkButton, kNotifyClicked));  // the default button
  EXPECT_TRUE(IsCommand(events[1], kIdCancel, kNotifyClicked));
  EXPECT_TRUE(IsCommand(events[2], kOtherButton, kNotifyClicked));  // the focused one
}

TEST_F(DialogTest, TheCloseButtonAsksTheProcedure) {
  Open();
  answer_ = 0;  // not handled: the dialog hears Cancel
  window_->close();
  std::vector<DialogEvent> events = Take();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].kind, DialogEventKind::kClose);
  EXPECT_TRUE(IsCommand(events[1], kIdCancel, kNotifyClicked));
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(DialogTest, SizeAndContextMenuEvents) {
  QtDialog& dialog = Open();
  window_->resize(window_->width() + 40, window_->height() + 30);
  std::vector<DialogEvent> events = Take();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().kind, DialogEventKind::kSize);
  EXPECT_EQ(events.back().x, dialog.GetClientRect().Width());
  EXPECT_EQ(events.back().y, dialog.GetClientRect().Height());

  // Over a label the click reaches what lies beneath it: the tab strip.
  struct Case {
    QPoint at;
    int id;
  };
  const PixelRect label = dialog.GetItemRect(kLabel);
  const PixelRect client = dialog.GetClientRect();
  for (const Case& c : {Case{QPoint(label.left + 2, label.top + 2), kTabs},
                        Case{QPoint(client.right - 2, client.bottom - 2), 0}}) {
    QContextMenuEvent request(QContextMenuEvent::Mouse, c.at, dialog.Client()->mapToGlobal(c.at));
    QWidget* target = dialog.Client()->childAt(c.at);
    QApplication::sendEvent(target != nullptr ? target : dialog.Client(), &request);
    events = Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, DialogEventKind::kContextMenu);
    EXPECT_EQ(events[0].id, c.id);
  }
}

TEST_F(DialogTest, UpDownStepsItsBuddyWithinTheRange) {
  QtDialog& dialog = Open();
  dialog.SetUpDownRange(kSpin, 1, 3);
  dialog.SetUpDownPosition(kSpin, 2);
  const QList<QToolButton*> arrows = Item<QWidget>(kSpin)->findChildren<QToolButton*>();
  ASSERT_EQ(arrows.size(), 2);
  QTest::mouseClick(arrows[0], Qt::LeftButton);
  EXPECT_EQ(dialog.GetItemText(kNumber), "3");
  QTest::mouseClick(arrows[0], Qt::LeftButton);  // at the top already
  EXPECT_EQ(dialog.GetItemText(kNumber), "3");
  QTest::keyClick(Item<QLineEdit>(kNumber), Qt::Key_Down);
  EXPECT_EQ(dialog.GetItemText(kNumber), "2");
  EXPECT_EQ(Codes(Take(), kNumber), (std::vector<int>{kNotifyEditUpdate, kNotifyEditUpdate}));
  EXPECT_TRUE(dialog.GetItemModified(kNumber));
}

TEST_F(DialogTest, PostedActionsRunLaterAndDieWithTheDialog) {
  QtDialog& dialog = Open();
  int runs = 0;
  dialog.Post([&runs] { ++runs; });
  EXPECT_EQ(runs, 0);
  QTest::qWait(0);
  EXPECT_EQ(runs, 1);
  dialog.Post([&runs] { ++runs; });
  delete window_.data();
  QTest::qWait(0);
  EXPECT_EQ(runs, 1);
}

TEST(ModalDialogTest, RunsUntilTheProcedureEndsIt) {
  QtPlatform platform;
  ScopedPlatform installed(platform);
  std::vector<DialogEventKind> kinds;
  const DialogProc proc = [&kinds](Dialog& self, const DialogEvent& event) {
    kinds.push_back(event.kind);
    if (event.kind == DialogEventKind::kInit) {
      self.Post([&self] { self.EndDialog(kIdYes); });
    }
    return 1;
  };
  EXPECT_EQ(platform.RunModal(TestTemplate(), proc, nullptr, 0), kIdYes);
  ASSERT_FALSE(kinds.empty());
  EXPECT_EQ(kinds.front(), DialogEventKind::kInit);
  EXPECT_EQ(kinds.back(), DialogEventKind::kDestroy);
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), DialogEventKind::kDestroy), 1);
  // Ended while it initialised: it never runs a loop, nor stays.
  const DialogProc quick = [](Dialog& self, const DialogEvent& event) {
    if (event.kind == DialogEventKind::kInit) self.EndDialog(kIdNo);
    return 1;
  };
  EXPECT_EQ(platform.CreateModeless(TestTemplate(), quick, nullptr, 0), nullptr);
}

TEST_F(DialogTest, APopupChoiceArrivesAfterwardsAsACommand) {
  QtDialog& dialog = Open();
  QTimer picker;
  picker.setInterval(10);
  QObject::connect(&picker, &QTimer::timeout, [&picker] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    picker.stop();
    for (QAction* action : menu->actions()) {
      if (action->text() == "Paste") {
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
      }
    }
  });
  picker.start();
  const std::vector<MenuItem> items = {{1053, "Paste", false, {}}, {}, {1050, "Delete", true, {}}};
  dialog.TrackPopupMenu(items, 10, 10);
  EXPECT_TRUE(Take().empty());  // not yet: it is posted
  QTest::qWait(0);
  const std::vector<DialogEvent> events = Take();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_TRUE(IsCommand(events[0], 1053, kNotifyClicked));
}

TEST_F(DialogTest, UpDownStepsFromTheNumberShown) {
  QtDialog& dialog = Open();
  dialog.SetUpDownRange(kSpin, 0, 12);
  dialog.SetUpDownPosition(kSpin, 5);
  const QList<QToolButton*> arrows = Item<QWidget>(kSpin)->findChildren<QToolButton*>();
  ASSERT_EQ(arrows.size(), 2);
  struct Case {
    const char* shown;
    int arrow;  // 0 up, 1 down
    const char* after;
  };
  const Case cases[] = {{"6.00", 0, "7"}, {"9.00", 1, "8"}, {" 6.5", 0, "7"}, {"6.5", 1, "6"},
                        {"12.00", 0, "12"}, {"0.4", 1, "0"}, {"-3", 0, "0"}, {"1e9", 1, "12"}};
  for (const Case& c : cases) {
    dialog.SetItemText(kNumber, c.shown);
    QTest::mouseClick(arrows[c.arrow], Qt::LeftButton);
    EXPECT_EQ(dialog.GetItemText(kNumber), c.after) << c.shown;
  }
}
