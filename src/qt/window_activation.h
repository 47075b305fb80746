#pragma once
// Before a modal box or dialog returns, the window that was active is active
// again and its focus widget has the focus back, as the program expects from
// the window system. Qt gives it back only once the window system confirms
// the change, after the code that showed the box has gone on: a grid that
// ended an edit with a warning would still be without the focus and ignore
// the click that ended it.

#include <QApplication>
#include <QPointer>
#include <QWidget>

class FocusComesBack {
 public:
  FocusComesBack() : window_(QApplication::activeWindow()) {}
  ~FocusComesBack() {
    if (window_ == nullptr || !window_->isVisible() || QApplication::activeWindow() == window_)
      return;
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(window_);
    QT_WARNING_POP
  }
  FocusComesBack(const FocusComesBack&) = delete;
  FocusComesBack& operator=(const FocusComesBack&) = delete;

 private:
  QPointer<QWidget> window_;
};
