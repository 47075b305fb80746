#include "qt/up_down_widget.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

UpDownWidget::UpDownWidget(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* button : {up_, down_}) {
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
  }
  connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDownWidget::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

void UpDownWidget::SetBuddy(QLineEdit* buddy) {
  if (buddy_ != nullptr) buddy_->removeEventFilter(this);
  buddy_ = buddy;
  if (buddy_ != nullptr) buddy_->installEventFilter(this);
}

bool UpDownWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == buddy_ && event->type() == QEvent::KeyPress && isEnabled()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Step(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void UpDownWidget::SetRange(int low, int high) {
  low_ = low;
  high_ = high;
  position_ = Clamp(position_);
}

int UpDownWidget::Clamp(int value) const {
  return std::clamp(value, std::min(low_, high_), std::max(low_, high_));
}

void UpDownWidget::SetPosition(int position) {
  position_ = Clamp(position);
  if (buddy_ != nullptr) {
    const QSignalBlocker blocker(buddy_);
    buddy_->setText(QString::number(position_));
  }
}

// The number the buddy shows, which may have decimals ("6.00"); false when it
// shows none.
bool UpDownWidget::ShownNumber(double* value) const {
  if (buddy_ == nullptr) return false;
  bool ok = false;
  *value = buddy_->text().trimmed().toDouble(&ok);
  return ok && std::isfinite(*value);
}

void UpDownWidget::Step(int direction) {
  const int toward = high_ >= low_ ? direction : -direction;
  const double low = std::min(low_, high_);
  const double high = std::max(low_, high_);
  // From the value shown: the next whole number up or down from it.
  double shown = 0;
  const double from = ShownNumber(&shown) ? shown : position_;
  const double wanted = toward > 0 ? std::floor(from) + 1 : std::ceil(from) - 1;
  const int next = static_cast<int>(std::clamp(wanted, low, high));
  position_ = next;
  if (buddy_ == nullptr || buddy_->text() == QString::number(next)) return;
  buddy_->setText(QString::number(next));
  if (onStepped) onStepped();
}
