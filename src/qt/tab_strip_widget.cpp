#include "qt/tab_strip_widget.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>

TabStripWidget::TabStripWidget(QWidget* parent) : QWidget(parent), bar_(new QTabBar(this)) {
  bar_->setDrawBase(false);
  bar_->setExpanding(false);
  bar_->setUsesScrollButtons(true);
  bar_->setElideMode(Qt::ElideNone);
}

void TabStripWidget::Relayout() {
  bar_->setGeometry(0, 0, width(), bar_->sizeHint().height());
  update();
}

void TabStripWidget::resizeEvent(QResizeEvent*) { Relayout(); }

void TabStripWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  const int barHeight = bar_->sizeHint().height();
  frame.rect = QRect(0, barHeight - 1, width(), height() - barHeight + 1);
  frame.shape = QTabBar::RoundedNorth;
  frame.tabBarSize = bar_->sizeHint();
  frame.tabBarRect = bar_->geometry();
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}
