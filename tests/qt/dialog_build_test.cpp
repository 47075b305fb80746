// Templates become widgets where the units say, and the program's own changes
// to them reach the procedure as nothing at all.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>

#include "dialog_fixture.h"

TEST_F(DialogTest, ControlsSitWhereTheDialogUnitsPutThem) {
  QtDialog& dialog = Open(TestTemplate(), false);
  const DialogUnits& units = dialog.Units();
  struct Case {
    int id, x, y, width, height;
  };
  for (const Case& c : {Case{kLabel, 10, 24, 60, 8}, Case{kEdit, 10, 34, 60, 12},
                        Case{kGrid, 150, 134, 140, 56}, Case{kTabs, 4, 4, 292, 190}}) {
    const PixelRect rect = dialog.GetItemRect(c.id);
    SCOPED_TRACE(c.id);
    EXPECT_EQ(rect.left, units.X(c.x));
    EXPECT_EQ(rect.top, units.Y(c.y));
    EXPECT_EQ(rect.Width(), units.X(c.width));
    EXPECT_EQ(rect.Height(), units.Y(c.height));
  }
  // A combo box's template height counts its list; the box is one line high.
  EXPECT_EQ(dialog.GetItemRect(kCombo).Height(), Item<QComboBox>(kCombo)->sizeHint().height());
  const PixelRect client = dialog.GetClientRect();
  EXPECT_EQ(client.Width(), units.X(300));
  EXPECT_EQ(client.Height(), units.Y(200));
}

TEST_F(DialogTest, ProgramChangesSendNoEvents) {
  QtDialog& dialog = Open();
  dialog.SetItemText(kEdit, "typed by the program");
  dialog.SetItemText(kMemo, "one\r\ntwo");
  dialog.SetItemText(kCombo, "edit part");
  dialog.CheckItem(kCheck, true);
  dialog.CheckItem(kRadioB, true);
  dialog.AddItemString(kList, "first");
  dialog.SetItemSelection(kList, 0);
  dialog.AddItemString(kDrop, "only");
  dialog.SetItemSelection(kDrop, 0);
  dialog.InsertTab(kTabs, 0, "Zero");
  dialog.InsertTab(kTabs, 1, "One");
  dialog.SetTabSelection(kTabs, 1);
  dialog.SetUpDownRange(kSpin, 1, 99);
  dialog.SetUpDownPosition(kSpin, 5);
  dialog.SetItemText(kRich, "plain words");
  EXPECT_TRUE(Take().empty());
  EXPECT_FALSE(dialog.GetItemModified(kEdit));
  EXPECT_EQ(dialog.GetItemText(kNumber), "5");
}

TEST_F(DialogTest, TextsRoundTripByKind) {
  QtDialog& dialog = Open(TestTemplate(), false);
  struct Case {
    int id;
    std::string text;
  };
  // Multi-line texts keep the line breaks the program gave them.
  for (const Case& c : {Case{kEdit, "Caf\xC3\xA9"}, Case{kMemo, "line one\nline two"},
                        Case{kMemo, "line one\r\nline two"}, Case{kLabel, "R&&D && co"},
                        Case{kOkButton, "&Go"}, Case{kCombo, "free text"}, Case{kRich, "a\nb"},
                        Case{kRich, "a\r\nb"}}) {
    dialog.SetItemText(c.id, c.text);
    EXPECT_EQ(dialog.GetItemText(c.id), c.text) << c.id;
  }
  // Labels show an ampersand for "&&" and none for a lone mnemonic mark.
  EXPECT_EQ(Item<QLabel>(kLabel)->text().toStdString(), "R&D & co");
  EXPECT_EQ(Item<QPlainTextEdit>(kMemo)->document()->blockCount(), 2);
  EXPECT_EQ(dialog.GetItemText(999), "");
}

TEST_F(DialogTest, ListsTabsAndStates) {
  QtDialog& dialog = Open(TestTemplate(), false);
  // A combo box keeps its typed text while items come and go.
  dialog.SetItemText(kCombo, "Cow");
  EXPECT_EQ(dialog.AddItemString(kCombo, "Ewe"), 0);
  EXPECT_EQ(dialog.AddItemString(kCombo, "Sow"), 1);
  EXPECT_EQ(dialog.GetItemSelection(kCombo), -1);
  EXPECT_EQ(dialog.GetItemString(kCombo, 2), "");
  dialog.ResetItems(kCombo);
  EXPECT_EQ(dialog.CountItemStrings(kCombo), 0);
  EXPECT_EQ(dialog.GetItemText(kCombo), "Cow");
  dialog.AddItemString(kDrop, "one");
  dialog.SetItemSelection(kDrop, 0);
  EXPECT_EQ(dialog.GetItemText(kDrop), "one");
  dialog.SetItemSelection(kDrop, 5);  // out of range clears it
  EXPECT_EQ(dialog.GetItemSelection(kDrop), -1);

  // Tab labels are data, not mnemonics; a selection past the end is refused.
  dialog.InsertTab(kTabs, 0, "Summary");
  dialog.InsertTab(kTabs, 5, "R&D");  // past the end: appended
  dialog.InsertTab(kTabs, -1, "never");
  ASSERT_EQ(dialog.CountTabs(kTabs), 2);
  EXPECT_EQ(dialog.GetTabLabel(kTabs, 1), "R&D");
  dialog.SetTabSelection(kTabs, 1);
  dialog.SetTabSelection(kTabs, 7);
  EXPECT_EQ(dialog.GetTabSelection(kTabs), 1);
  dialog.DeleteAllTabs(kTabs);
  EXPECT_EQ(dialog.GetTabSelection(kTabs), -1);

  dialog.EnableItem(kGrid, false);
  EXPECT_FALSE(dialog.GetGrid(kGrid)->State().enabled);
  EXPECT_EQ(dialog.GetGrid(kEdit), nullptr);
  // Checking from the program leaves the rest of the group alone.
  dialog.CheckItem(kRadioA, true);
  dialog.CheckItem(kRadioB, true);
  EXPECT_TRUE(dialog.IsItemChecked(kRadioA));
}

TEST_F(DialogTest, FormattingCountsCharactersNotBytes) {
  QtDialog& dialog = Open(TestTemplate(), false);
  dialog.SetItemText(kRich, "\xC3\xA9t\xC3\xA9 warning\nrest");
  TextStyle warning;
  warning.bold = true;
  warning.italic = true;
  warning.autoColor = false;
  warning.color = 0x0000FF;  // red as 0x00BBGGRR
  dialog.FormatItemText(kRich, 0, 11, warning);

  QTextCursor cursor(Item<QTextEdit>(kRich)->document());
  cursor.setPosition(11);  // the format of the character before: the last of the warning
  EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
  EXPECT_TRUE(cursor.charFormat().fontItalic());
  EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 0, 0));
  cursor.setPosition(14);
  EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);

  dialog.FormatItemText(kRich, 0, -1, TextStyle{});  // all of it, back to plain
  cursor.setPosition(3);
  EXPECT_FALSE(cursor.charFormat().fontItalic());
  dialog.FormatItemText(kRich, 500, 20, warning);  // beyond the text: nothing
}

TEST_F(DialogTest, RichTextIsFormattedForDisplay) {
  QtDialog& dialog = Open(TestTemplate(), false);
  dialog.SetItemText(kRich,
                     "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\plain\\fs20\\qc Title\\par\r\n"
                     "\\pard\\tx2800 \\b Left\\b0\\tab right\\par}\n");
  const QTextDocument* document = Item<QTextEdit>(kRich)->document();
  EXPECT_EQ(document->toPlainText().toStdString(), "Title\nLeft\tright");
  EXPECT_EQ(document->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignHCenter);
  EXPECT_EQ(document->lastBlock().blockFormat().tabPositions().size(), 1);
}

TEST_F(DialogTest, MenuBarFollowsItsTemplate) {
  QtDialog& dialog = Open(TestTemplate(), false);
  const QList<QAction*> bar = dialog.Window()->findChild<QMenuBar*>()->actions();
  ASSERT_EQ(bar.size(), 1);
  const QList<QAction*> file = bar[0]->menu()->actions();
  ASSERT_EQ(file.size(), 3);
  EXPECT_EQ(file[0]->text().toStdString(), "&Save && Close");
  EXPECT_TRUE(file[1]->isSeparator());
  EXPECT_FALSE(file[2]->isEnabled());

  dialog.SetMenuItem(901, "Back", true);
  EXPECT_EQ(file[2]->text().toStdString(), "Back");
  EXPECT_TRUE(file[2]->isEnabled());
  file[0]->trigger();
  const std::vector<DialogEvent> events = Take();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_TRUE(IsCommand(events[0], kTestCommand, kNotifyClicked));
}
