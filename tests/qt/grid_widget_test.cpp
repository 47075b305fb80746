// The grid on screen: keys, mouse, focus and scroll bars reach the engine, and
// what it paints lands on the widget.

#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>

#include <functional>

#include <vector>

#include "grid/grid_engine.h"
#include "qt/grid_widget.h"
#include "qt/qt_platform.h"
#include "qt_test_support.h"

namespace {

constexpr int kGridId = 1500;

struct Notification {
  int code;
  std::intptr_t lParam;
};

class GridWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.resize(420, 320);
    other_ = new QLineEdit(&window_);
    other_->setGeometry(0, 0, 100, 20);
    grid_ = new GridWidget(&window_, kGridId, "");
    grid_->setGeometry(0, 20, 400, 300);
    grid_->SetNotify([this](int id, int code, std::intptr_t lParam) {
      if (id != kGridId) return;
      notifications_.push_back({code, lParam});
      if (onNotify_) onNotify_(code);
    });
    Engine().SendMessage(GM_SETEDITABLE, 1);
    Engine().SendMessage(GM_SETDIMENSIONS, 10, 4);
    ASSERT_TRUE(ShowActive(&window_));
    other_->setFocus();
    notifications_.clear();
  }

  GridEngine& Engine() { return grid_->Engine(); }

  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const Notification& n : notifications_) codes.push_back(n.code);
    return codes;
  }

  QPoint CellCentre(int row, int col) {
    const GridRect cell = Engine().CellRect(row, col);
    return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
  }

  // Before the window: its grid still reports while the window is destroyed.
  std::vector<Notification> notifications_;
  std::function<void(int code)> onNotify_;
  QWidget window_;
  QLineEdit* other_ = nullptr;
  GridWidget* grid_ = nullptr;
};

}  // namespace

TEST_F(GridWidgetTest, AClickTakesTheFocusAndMovesTheCursor) {
  QTest::mouseClick(grid_, Qt::LeftButton, Qt::NoModifier, CellCentre(3, 2));
  EXPECT_TRUE(grid_->hasFocus());
  EXPECT_EQ(Engine().State().cursorRow, 3);
  EXPECT_EQ(Engine().State().cursorCol, 2);
  ASSERT_GE(Codes().size(), 2u);
  EXPECT_EQ(Codes()[0], GN_GOTFOCUS);
  EXPECT_EQ(Codes()[1], GN_CELLCLICKED);

  notifications_.clear();
  QTest::mouseDClick(grid_, Qt::LeftButton, Qt::NoModifier, CellCentre(3, 2));
  EXPECT_EQ(Codes().back(), GN_DBLCLICK);
  QContextMenuEvent menu(QContextMenuEvent::Mouse, CellCentre(3, 2), grid_->mapToGlobal(CellCentre(3, 2)));
  QApplication::sendEvent(grid_, &menu);
  EXPECT_EQ(Codes().back(), GN_CONTEXTMENU);
}

// The warning takes the focus while it is shown; the click that ended the
// edit still moves the cursor once it is answered.
TEST_F(GridWidgetTest, AClickThatEndsAnEditWithAWarningStillMovesTheCursor) {
  QtPlatform platform;
  onNotify_ = [&](int code) {
    if (code == GN_EDITEND) platform.ShowMessage("Over 100%", "Test");
  };
  QTest::mouseClick(grid_, Qt::LeftButton, Qt::NoModifier, CellCentre(2, 3));
  QTest::keyClicks(grid_, "150");
  MessageBoxAnswerer answerer;
  QTest::mouseClick(grid_, Qt::LeftButton, Qt::NoModifier, CellCentre(4, 1));
  EXPECT_EQ(answerer.Texts(), std::vector<std::string>{"Over 100%"});
  EXPECT_TRUE(grid_->hasFocus());
  EXPECT_TRUE(Engine().State().hasFocus);
  EXPECT_EQ(Engine().State().cursorRow, 4);
  EXPECT_EQ(Engine().State().cursorCol, 1);
}

// The program may tell the engine itself that the grid lost or gained the
// focus; the widget's focus follows, so a later click is never ignored.
TEST_F(GridWidgetTest, TheEnginesFocusAndTheWidgetsNeverDisagree) {
  QTest::mouseClick(grid_, Qt::LeftButton, Qt::NoModifier, CellCentre(2, 2));
  Engine().FocusOut();
  EXPECT_FALSE(grid_->hasFocus());
  QTest::mouseClick(grid_, Qt::LeftButton, Qt::NoModifier, CellCentre(3, 3));
  EXPECT_TRUE(grid_->hasFocus());
  EXPECT_TRUE(Engine().State().hasFocus);
  EXPECT_EQ(Engine().State().cursorRow, 3);

  other_->setFocus();
  Engine().FocusIn();
  EXPECT_TRUE(grid_->hasFocus());
  grid_->hide();
  EXPECT_FALSE(Engine().State().hasFocus);
  Engine().FocusIn();  // a hidden grid cannot have it
  EXPECT_FALSE(Engine().State().hasFocus);
  EXPECT_FALSE(grid_->hasFocus());
}

TEST_F(GridWidgetTest, EscapeIsTheDialogsUnlessAnEditIsInProgress) {
  QTest::mouseClick(grid_, Qt::LeftButton, Qt::NoModifier, CellCentre(1, 1));
  QKeyEvent idle(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(grid_, &idle);
  EXPECT_FALSE(idle.isAccepted());
  QTest::keyClick(grid_, Qt::Key_4);
  QKeyEvent editing(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(grid_, &editing);
  EXPECT_TRUE(editing.isAccepted());
  EXPECT_FALSE(Engine().State().editing);
}

TEST_F(GridWidgetTest, TypedTextIsStoredWhenTheFocusLeaves) {
  QTest::mouseClick(grid_, Qt::LeftButton, Qt::NoModifier, CellCentre(2, 3));
  QTest::keyClicks(grid_, "12.5");
  const GridCaret caret = Engine().Caret();
  EXPECT_TRUE(caret.visible);
  const QImage shot = grid_->grab().toImage();
  EXPECT_EQ(shot.pixelColor(caret.x + 1, caret.y + caret.height / 2), QColor(Qt::black));
  other_->setFocus();
  EXPECT_EQ(GetGridCellText(Engine(), 2, 3), "12.5");
  EXPECT_EQ(Codes().back(), GN_LOSTFOCUS);
  EXPECT_FALSE(Engine().Caret().created);
}

TEST_F(GridWidgetTest, ScrollBarsFollowTheEngineAndDriveIt) {
  Engine().SendMessage(GM_SETDIMENSIONS, 200, 4);
  QTest::qWait(0);  // the client size follows the bar once the engine's call returned
  QScrollBar* bar = grid_->VerticalBar();
  ASSERT_TRUE(bar->isVisible());
  EXPECT_EQ(Engine().State().clientWidth, grid_->width() - bar->width());
  EXPECT_EQ(bar->maximum(), Engine().VerticalScrollBar().max);

  const int page = Engine().RowsPerPage();
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(Engine().State().topRow, 1 + page);
  EXPECT_EQ(bar->value(), 1 + page);
  bar->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(Engine().State().topRow, Engine().VerticalScrollBar().max);

  Engine().SendMessage(GM_SETDIMENSIONS, 3, 4);
  QTest::qWait(0);
  EXPECT_FALSE(bar->isVisible());
  EXPECT_EQ(Engine().State().clientWidth, grid_->width());
}

TEST_F(GridWidgetTest, FontsAreAsHighAsTheLinesTheGridAsksFor) {
  for (const int height : {12, 16, 20, 31}) {
    const TextExtent extent = grid_->MeasureText(GridFont{height, 400}, "Hay 150");
    EXPECT_NEAR(extent.height, height, 1) << height;
    EXPECT_GT(extent.width, 0);
  }
  const TextExtent bold = grid_->MeasureText(GridFont{16, 900}, "Hay 150");
  EXPECT_GT(bold.width, grid_->MeasureText(GridFont{16, 400}, "Hay 150").width);
}

TEST_F(GridWidgetTest, PaintsTheMarkersAndTheHighlightedRow) {
  Engine().SendMessage(GM_SETCOLWIDTH, 1, 150);
  SetGridCell(Engine(), 2, 1, "^WWWWWWWW");  // a blue cell
  Engine().SendMessage(GM_SETCURSOR, 4, 1);
  const QImage shot = grid_->grab().toImage();

  const GridRect blue = Engine().CellRect(2, 1);
  bool sawBlue = false;
  for (int x = blue.left; x < blue.right && !sawBlue; ++x) {
    for (int y = blue.top; y < blue.bottom; ++y) {
      const QColor c = shot.pixelColor(x, y);
      if (c.blue() > 200 && c.red() < 80 && c.green() < 80) sawBlue = true;
    }
  }
  EXPECT_TRUE(sawBlue);
  // The cursor row's other cells take the highlight colour.
  const GridRect other = Engine().CellRect(4, 2);
  EXPECT_EQ(shot.pixelColor(other.left + 3, other.top + 3), QColor(0, 0, 128));
}

TEST_F(GridWidgetTest, CtrlTabLeavesTheGridAndF2AndDeleteWorkOnTheCell) {
  QTest::mouseClick(grid_, Qt::LeftButton, Qt::NoModifier, CellCentre(2, 3));
  QTest::keyClicks(grid_, "12");
  QTest::keyClick(grid_, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_TRUE(other_->hasFocus());
  EXPECT_EQ(GetGridCellText(Engine(), 2, 3), "12");
  QTest::mouseClick(grid_, Qt::LeftButton, Qt::NoModifier, CellCentre(2, 3));
  QTest::keyClick(grid_, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(other_->hasFocus());
  EXPECT_EQ(Engine().State().cursorCol, 3);

  QTest::mouseClick(grid_, Qt::LeftButton, Qt::NoModifier, CellCentre(2, 3));
  QTest::keyClick(grid_, Qt::Key_F2);
  QTest::keyClick(grid_, Qt::Key_Backspace);
  QTest::keyClick(grid_, Qt::Key_5);
  QTest::keyClick(grid_, Qt::Key_Up);
  EXPECT_EQ(GetGridCellText(Engine(), 2, 3), "15");
  QTest::keyClick(grid_, Qt::Key_Down);
  QTest::keyClick(grid_, Qt::Key_Delete);
  EXPECT_EQ(GetGridCellText(Engine(), 2, 3), "");
}

TEST_F(GridWidgetTest, EveryPrintableCharacterIsTyped) {
  Engine().SendMessage(GM_SETCOLWIDTH, 1, 200);
  QTest::mouseClick(grid_, Qt::LeftButton, Qt::NoModifier, CellCentre(1, 1));
  const QString typed = QString::fromUtf8("Cr\u00e8me br\u00fbl\u00e9e lambs \u20ac \U0001D11E");
  // As a keyboard sends them: a key with its text, one character at a time.
  for (const char32_t code : typed.toUcs4()) {
    const QString text = QString::fromUcs4(&code, 1);
    QTest::sendKeyEvent(QTest::Click, grid_, Qt::Key_unknown, text, Qt::NoModifier);
  }
  QTest::keyClick(grid_, Qt::Key_Return);
  EXPECT_EQ(GetGridCellText(Engine(), 1, 1), typed.toStdString());
}

TEST_F(GridWidgetTest, ANumberTooWideShowsHashesAndItsTooltipTellsIt) {
  SetGridCell(Engine(), 2, 2, "$ 407407407407.00");
  SetGridCell(Engine(), 3, 2, "$ 4.00");
  // An event the widget leaves unaccepted shows no tooltip.
  const auto tipAt = [&](int row, int col) {
    const QPoint at = CellCentre(row, col);
    QHelpEvent help(QEvent::ToolTip, at, grid_->mapToGlobal(at));
    QApplication::sendEvent(grid_, &help);
    return help.isAccepted() && QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
  };
  EXPECT_EQ(tipAt(2, 2), "$ 407407407407.00");
  EXPECT_EQ(tipAt(3, 2), "");
  QToolTip::hideText();
}

TEST_F(GridWidgetTest, TheCornerBetweenTheScrollBarsIsPainted) {
  Engine().SendMessage(GM_SETDIMENSIONS, 200, 12);
  for (int col = 1; col <= 12; ++col) Engine().SendMessage(GM_SETCOLWIDTH, col, 80);
  for (int row = 1; row <= 20; ++row)
    for (int col = 1; col <= 12; ++col) SetGridCell(Engine(), row, col, "WWWWWWWWWWWW");
  QTest::qWait(0);
  ASSERT_TRUE(grid_->VerticalBar()->isVisible());
  ASSERT_TRUE(grid_->HorizontalBar()->isVisible());
  const QImage shot = grid_->grab().toImage();
  const QColor face = grid_->palette().color(QPalette::Window);
  const QRect corner(grid_->VerticalBar()->x(), grid_->HorizontalBar()->y(), grid_->VerticalBar()->width(),
                     grid_->HorizontalBar()->height());
  int other = 0;
  for (int y = corner.top(); y <= corner.bottom(); ++y)
    for (int x = corner.left(); x <= corner.right(); ++x) other += shot.pixelColor(x, y) != face;
  EXPECT_EQ(other, 0);
}
