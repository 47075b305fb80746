#include "qt/up_down_widget.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>

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

int UpDownWidget::Position() const {
  if (buddy_ != nullptr) {
    bool ok = false;
    const int value = buddy_->text().trimmed().toInt(&ok);
    if (ok) return value;
  }
  return position_;
}

void UpDownWidget::Step(int direction) {
  const int toward = high_ >= low_ ? direction : -direction;
  const long long wanted = static_cast<long long>(Clamp(Position())) + toward;
  const int next = static_cast<int>(std::clamp<long long>(wanted, std::min(low_, high_),
                                                          std::max(low_, high_)));
  position_ = next;
  if (buddy_ == nullptr || buddy_->text() == QString::number(next)) return;
  buddy_->setText(QString::number(next));
  if (onStepped) onStepped();
}
