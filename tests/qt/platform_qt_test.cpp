// The Qt platform: clipboard formats, message boxes, file dialogs, the shell.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

#include "platform/clipboard_transfer.h"
#include "platform/app_message.h"
#include "qt/qt_platform.h"
#include "qt_test_support.h"

class QtPlatformTest : public ::testing::Test {
 protected:
  QtPlatform platform_;
  ScopedPlatform installed_{platform_};
};

TEST_F(QtPlatformTest, ClipboardFormatsTravelAsMimeTypesOnClose) {
  QGuiApplication::clipboard()->setText("before");
  Clipboard& clipboard = platform_.GetClipboard();
  ASSERT_TRUE(clipboard.Open(nullptr));  // opened and closed without a change: it stays
  clipboard.Close();
  ASSERT_TRUE(clipboard.Open(nullptr));
  EXPECT_FALSE(clipboard.Open(nullptr));  // already open
  clipboard.Empty();
  EXPECT_TRUE(clipboard.Put(kClipboardTextFormat, "Hay\t150"));
  EXPECT_TRUE(clipboard.Put(kFormatBudgetLine, "<LINE>Hay</LINE>"));
  EXPECT_TRUE(clipboard.Put(kClipboardRtfFormat, "{\\rtf1 x}"));
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "before");
  clipboard.Close();
  EXPECT_FALSE(clipboard.Put(kClipboardTextFormat, "closed"));

  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text().toStdString(), "Hay\t150");
  EXPECT_EQ(data->data("xml/QRN-BudgetLine").toStdString(), "<LINE>Hay</LINE>");
  EXPECT_EQ(data->data("text/rtf").toStdString(), "{\\rtf1 x}");
  EXPECT_TRUE(clipboard.IsOffered(kClipboardRtfFormat));
  EXPECT_FALSE(clipboard.IsOffered(kFormatMachine));
}

TEST_F(QtPlatformTest, RecordsCopiedByTheCoreComeBack) {
  ASSERT_TRUE(CopyRecordToClipboard(nullptr, "<EXPENSE>Fuel</EXPENSE>", "Fuel", kFormatExpense));
  std::string element;
  std::size_t size = 0;
  ASSERT_TRUE(FetchClipboardData(nullptr, &element, 1000, &size, kFormatExpense));
  EXPECT_EQ(element, "<EXPENSE>Fuel</EXPENSE>");
  EXPECT_TRUE(IsClipboardFormatOffered(nullptr, kClipboardTextFormat));
}

TEST_F(QtPlatformTest, MessageBoxesAnswerWithTheSystemsNumbers) {
  MessageBoxAnswerer answerer(QMessageBox::Yes);
  App_MessageBox("Saved.");
  EXPECT_EQ(platform_.Ask("Sure?", "Title", MessageButtons::kYesNo), kIdYes);
  answerer.SetAnswer(QMessageBox::No);
  EXPECT_EQ(platform_.Ask("Sure?", "Title", MessageButtons::kYesNoCancel), kIdNo);
  answerer.SetAnswer(QMessageBox::Cancel);
  EXPECT_EQ(platform_.Ask("Sure?", "Title", MessageButtons::kOkCancel), kIdCancel);
  EXPECT_EQ(answerer.Texts(), (std::vector<std::string>{"Saved.", "Sure?", "Sure?", "Sure?"}));
}

TEST_F(QtPlatformTest, ShellAndDesktop) {
  EXPECT_EQ(platform_.ShellOpen("/no/such/folder/guide.pdf"), 2);
  EXPECT_FALSE(platform_.ProgramPath().empty());
  const PixelRect area = platform_.WorkArea();
  EXPECT_EQ(area.Width(), QGuiApplication::primaryScreen()->availableGeometry().width());
  EXPECT_GT(area.Height(), 0);
}

TEST_F(QtPlatformTest, FileDialogsStartWhereTheProgramSaysWithTheNameItProposes) {
  QTemporaryDir folder;
  const auto shown = [](bool save, std::string path) {
    QString where, name;
    ActOnNextModal<QFileDialog>([&](QFileDialog* dialog) {
      where = dialog->directory().absolutePath();
      if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit")) name = edit->text();
      dialog->reject();
    });
    QtPlatform platform;
    const bool chosen = save ? platform.ChooseSaveFile(nullptr, FileDialogOptions(), &path)
                             : platform.ChooseOpenFile(nullptr, FileDialogOptions(), &path);
    EXPECT_FALSE(chosen);
    return std::make_pair(where.toStdString(), name.toStdString());
  };
  const std::string where = folder.path().toStdString();
  EXPECT_EQ(shown(true, where + "/Untitled.vqn"), std::make_pair(where, std::string("Untitled.vqn")));
  EXPECT_EQ(shown(false, where + "/"), std::make_pair(where, std::string()));

  const std::string documents = platform_.DocumentsFolder();
  ASSERT_FALSE(documents.empty());
  EXPECT_EQ(documents.back(), '/');
  EXPECT_TRUE(QDir(QString::fromStdString(documents)).exists());
}

TEST_F(QtPlatformTest, AMessageBoxIsWideEnoughForItsWholeCaption) {
  int width = 0;
  int caption = 0;
  ActOnNextModal<QMessageBox>([&](QMessageBox* box) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
    width = box->width();
    QFont bold = box->font();
    bold.setBold(true);
    caption = QFontMetrics(bold).horizontalAdvance(box->windowTitle());
    box->button(QMessageBox::Ok)->click();
  });
  App_MessageBox("Saved.");
  // Room beside the title for the window's icon and buttons, whatever draws them.
  EXPECT_GE(width, caption + 6 * QFontMetrics(QApplication::font()).height());
}

// Paths are bytes: one that is not UTF-8, or holds an '&', comes back as it was,
// in another instance too.
TEST_F(QtPlatformTest, RecentFilesComeBackByteForByteFromTheSettings) {
  const std::vector<std::string> paths{"/farms/Smith & Sons.vqn", "/farms/\xE9t\xE9.vqn"};
  platform_.StoreRecentFiles(paths);
  EXPECT_EQ(platform_.LoadRecentFiles(), paths);
  EXPECT_EQ(QtPlatform().LoadRecentFiles(), paths);
  platform_.StoreRecentFiles({});
  EXPECT_EQ(platform_.LoadRecentFiles(), std::vector<std::string>{});
}

TEST_F(QtPlatformTest, TimersRunOnTheirOwnOrWhenAScriptSaysAndNeverInsideAModalDialog) {
  int runs = 0;
  platform_.SetTimersByScript(true);
  const int id = platform_.StartTimer(1, [&] { ++runs; });
  QTest::qWait(30);
  EXPECT_EQ(runs, 0);
  EXPECT_TRUE(platform_.FireTimers());
  EXPECT_EQ(runs, 1);

  QDialog modal;
  modal.setWindowModality(Qt::ApplicationModal);
  modal.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&modal));
  EXPECT_TRUE(platform_.FireTimers());
  EXPECT_EQ(runs, 1);
  modal.hide();
  platform_.StopTimer(id);
  EXPECT_FALSE(platform_.FireTimers());

  platform_.SetTimersByScript(false);
  const int own = platform_.StartTimer(1, [&] { ++runs; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return runs > 1; }, 2000));
  platform_.StopTimer(own);
}
