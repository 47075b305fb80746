#include "qt/grid_widget.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

#include "qt/grid_key_map.h"
#include "qt/qt_grid_painter.h"
#include "qt/qt_text.h"
#include "qt/window_activation.h"

namespace {

constexpr int kCaretWidth = 3;
// Bars that show and hide each other in turn settle after a few rounds.
constexpr int kMaxSizeSyncs = 4;

void ApplyScrollBar(QScrollBar* bar, const GridScrollBar& state) {
  const QSignalBlocker blocker(bar);
  bar->setRange(state.min, std::max(state.min, state.max));
  bar->setPageStep(std::max(1, state.page));
  bar->setSingleStep(1);
  bar->setValue(state.pos);
  bar->setVisible(state.shown);
}

GridScrollAction ScrollActionFrom(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return GridScrollAction::LineBack;
    case QAbstractSlider::SliderSingleStepAdd: return GridScrollAction::LineForward;
    case QAbstractSlider::SliderPageStepSub: return GridScrollAction::PageBack;
    case QAbstractSlider::SliderPageStepAdd: return GridScrollAction::PageForward;
    case QAbstractSlider::SliderMove:
    case QAbstractSlider::SliderToMinimum:
    case QAbstractSlider::SliderToMaximum: return GridScrollAction::ThumbTrack;
    default: return GridScrollAction::Other;
  }
}

}  // namespace

GridWidget::GridWidget(QWidget* parent, int controlId, std::string_view title)
    : QWidget(parent),
      vertical_(new QScrollBar(Qt::Vertical, this)),
      horizontal_(new QScrollBar(Qt::Horizontal, this)),
      fonts_(font()) {
  // A click does not move the focus by itself: the engine takes it when it wants.
  setFocusPolicy(Qt::TabFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_InputMethodEnabled);
  for (QScrollBar* bar : {vertical_, horizontal_}) {
    bar->setFocusPolicy(Qt::NoFocus);
    bar->hide();
  }
  connect(vertical_, &QScrollBar::actionTriggered, this,
          [this](int action) { OnScrollAction(true, action); });
  connect(horizontal_, &QScrollBar::actionTriggered, this,
          [this](int action) { OnScrollAction(false, action); });
  engine_ = std::make_unique<GridEngine>(controlId, *this, title);
  ScrollBarsChanged();
}

GridWidget::~GridWidget() {
  notify_ = nullptr;
  engine_.reset();
}

void GridWidget::GridNotify(int controlId, int code, std::intptr_t lParam) {
  if (notify_) notify_(controlId, code, lParam);
}

TextExtent GridWidget::MeasureText(const GridFont& font, std::string_view text) {
  const QFontMetrics& metrics = fonts_.Metrics(font);
  return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void GridWidget::Beep() { QApplication::beep(); }

void GridWidget::Invalidate() {
  // A fill stores thousands of cells, each invalidating the whole view: one
  // request until the view has painted is enough.
  if (updatePending_) return;
  updatePending_ = true;
  update();
}

void GridWidget::TakeFocus() {
  // Keys never go to a grid the user cannot see or use.
  if (!isVisible() || !isEnabled()) return;
  // The press or scroll that asks goes on at once: the window is made active
  // now, as the window system does for a click, not once it confirms.
  if (!isActiveWindow()) ActivateNow(window());
  setFocus(Qt::OtherFocusReason);
}

void GridWidget::FocusChanged() {
  if (!engine_) return;
  const bool engineHasFocus = engine_->State().hasFocus;
  if (engineHasFocus == hasFocus()) return;
  if (!engineHasFocus) {
    clearFocus();
    return;
  }
  TakeFocus();
  if (!hasFocus()) engine_->FocusOut();  // hidden or disabled
}

// The window's own Tab order, which plain Tab leaves to the grid's cursor.
void GridWidget::MoveFocus(bool forward) { QWidget::focusNextPrevChild(forward); }

void GridWidget::SetCursorShape(GridCursorShape shape) {
  setCursor(shape == GridCursorShape::SizeHorizontal ? Qt::SizeHorCursor : Qt::ArrowCursor);
}

int GridWidget::DefaultTextHeight() { return QFontMetrics(font()).height(); }

void GridWidget::ScrollBarsChanged() {
  if (!engine_) return;
  ApplyScrollBar(vertical_, engine_->VerticalScrollBar());
  ApplyScrollBar(horizontal_, engine_->HorizontalScrollBar());
  PlaceScrollBars();
  // Not from inside the engine's own call: the size follows once it returned.
  if (!sizeSyncPosted_) {
    sizeSyncPosted_ = true;
    QTimer::singleShot(0, this, [this] {
      sizeSyncPosted_ = false;
      SyncClientSize();
    });
  }
}

void GridWidget::PlaceScrollBars() {
  if (!engine_) return;
  const bool vertical = engine_->VerticalScrollBar().shown;
  const bool horizontal = engine_->HorizontalScrollBar().shown;
  if (vertical) {
    vertical_->setGeometry(width() - kGridScrollBarThickness, 0, kGridScrollBarThickness,
                           height() - (horizontal ? kGridScrollBarThickness : 0));
  }
  if (horizontal) {
    horizontal_->setGeometry(0, height() - kGridScrollBarThickness,
                             width() - (vertical ? kGridScrollBarThickness : 0), kGridScrollBarThickness);
  }
}

QSize GridWidget::ClientSize() const {
  const bool vertical = engine_->VerticalScrollBar().shown;
  const bool horizontal = engine_->HorizontalScrollBar().shown;
  return QSize(std::max(0, width() - (vertical ? kGridScrollBarThickness : 0)),
               std::max(0, height() - (horizontal ? kGridScrollBarThickness : 0)));
}

void GridWidget::SyncClientSize() {
  if (!engine_) return;
  const QSize client = ClientSize();
  const GridState& state = engine_->State();
  if (client.width() == state.clientWidth && client.height() == state.clientHeight) {
    sizeSyncs_ = 0;
    return;
  }
  if (++sizeSyncs_ > kMaxSizeSyncs) return;
  engine_->Resize(client.width(), client.height());
}

void GridWidget::OnScrollAction(bool vertical, int action) {
  const GridScrollAction scroll = ScrollActionFrom(action);
  QScrollBar* bar = vertical ? vertical_ : horizontal_;
  const int thumb = bar->sliderPosition();
  if (vertical) {
    engine_->ScrollVertical(scroll, thumb);
  } else {
    engine_->ScrollHorizontal(scroll, thumb);
  }
  // The engine's position wins over the one the bar worked out itself.
  const GridScrollBar state = vertical ? engine_->VerticalScrollBar() : engine_->HorizontalScrollBar();
  bar->setSliderPosition(state.pos);
}

void GridWidget::CaretChanged() {
  if (!engine_) return;
  const GridCaret next = engine_->Caret();
  if (next == caret_) return;
  update(CaretRect());
  caret_ = next;
  update(CaretRect());
  caretBlinkOn_ = true;
  const int flash = QApplication::cursorFlashTime();
  if (caret_.created && caret_.visible && flash > 0) {
    caretTimer_.start(std::max(100, flash / 2), this);
  } else {
    caretTimer_.stop();
  }
}

QRect GridWidget::CaretRect() const { return QRect(caret_.x, caret_.y, kCaretWidth, caret_.height); }

void GridWidget::timerEvent(QTimerEvent* event) {
  if (event->timerId() != caretTimer_.timerId()) {
    QWidget::timerEvent(event);
    return;
  }
  caretBlinkOn_ = !caretBlinkOn_;
  update(CaretRect());
}

void GridWidget::paintEvent(QPaintEvent* event) {
  // Any paint after a whole-view request covers the whole view.
  updatePending_ = false;
  SyncClientSize();
  QPainter painter(this);
  // Cells run on under the scroll bars; the corner between them shows none.
  const QRect client(QPoint(0, 0), ClientSize());
  painter.fillRect(QRect(client.bottomRight() + QPoint(1, 1), size()), palette().color(QPalette::Window));
  painter.setClipRect(client);
  QtGridPainter gridPainter(painter, fonts_, this);
  const QRect dirty = event->rect() & client;
  engine_->Paint(gridPainter, GridRect{dirty.left(), dirty.top(), dirty.left() + dirty.width(),
                                       dirty.top() + dirty.height()});
  if (caret_.created && caret_.visible && caretBlinkOn_) painter.fillRect(CaretRect(), Qt::black);
}

bool GridWidget::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const std::string tip = engine_->ToolTipAt(help->pos().x(), help->pos().y());
  if (tip.empty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), ToQString(tip), this);
  }
  return true;
}

void GridWidget::resizeEvent(QResizeEvent*) {
  sizeSyncs_ = 0;
  PlaceScrollBars();
  const QSize client = ClientSize();
  engine_->Resize(client.width(), client.height());
}

void GridWidget::keyPressEvent(QKeyEvent* event) {
  const GridKey key = GridKeyFromQt(event->key(), (event->modifiers() & Qt::ControlModifier) != 0);
  if (key == GridKey::Other) {
    TypeText(event->text());
    return;
  }
  // Escape belongs to the dialog unless an edit is in progress.
  if (!engine_->WantsKey(key)) {
    event->ignore();
    return;
  }
  engine_->KeyDown(key, (event->modifiers() & Qt::ShiftModifier) != 0);
}

void GridWidget::inputMethodEvent(QInputMethodEvent* event) {
  TypeText(event->commitString());
  event->accept();
}

void GridWidget::TypeText(const QString& text) {
  for (const char32_t code : text.toUcs4()) engine_->Char(code);
}

void GridWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    engine_->MouseDown(at.x(), at.y(), GridMouseButton::Left);
  } else if (event->button() == Qt::RightButton) {
    engine_->MouseDown(at.x(), at.y(), GridMouseButton::Right);
  }
}

void GridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    engine_->DoubleClick(at.x(), at.y());
  } else if (event->button() == Qt::RightButton) {
    engine_->MouseDown(at.x(), at.y(), GridMouseButton::Right);
  }
}

void GridWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  engine_->MouseMove(at.x(), at.y());
}

void GridWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  engine_->MouseUp(at.x(), at.y());
}

void GridWidget::contextMenuEvent(QContextMenuEvent* event) {
  engine_->ContextMenu();
  event->accept();
}

void GridWidget::wheelEvent(QWheelEvent* event) {
  if (engine_->VerticalScrollBar().shown) {
    QCoreApplication::sendEvent(vertical_, event);
  } else {
    event->ignore();
  }
}

// A popup menu borrows the focus and gives it back; the grid keeps its edit.
void GridWidget::focusInEvent(QFocusEvent*) {
  if (!engine_->State().hasFocus) engine_->FocusIn();
}

void GridWidget::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::PopupFocusReason && engine_->State().hasFocus) engine_->FocusOut();
}

void GridWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    engine_->SetEnabled(isEnabled());
  } else if (event->type() == QEvent::FontChange) {
    fonts_ = GridFonts(font());
    update();
  }
  QWidget::changeEvent(event);
}

// A grid hidden with the focus hands it on as any widget does.
bool GridWidget::focusNextPrevChild(bool next) {
  return isVisible() ? false : QWidget::focusNextPrevChild(next);
}
