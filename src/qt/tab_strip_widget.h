#pragma once
// A tab control: the row of tabs and the frame of the page below it. Other
// controls of the dialog lie over the page as its siblings.

#include <QTabBar>
#include <QWidget>

class TabStripWidget : public QWidget {
 public:
  explicit TabStripWidget(QWidget* parent);
  QTabBar* Bar() const { return bar_; }
  // The row's height follows its tabs; called after tabs were added or removed.
  void Relayout();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QTabBar* bar_;
};
