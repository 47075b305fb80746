#pragma once
// Making a window active at once. Qt makes a window active only when the
// window system confirms it, after the code that asked has gone on; the
// program expects what Windows does: the window active, its focus widget with
// the focus, before the call returns.

#include <QApplication>
#include <QPointer>
#include <QWidget>

inline void ActivateNow(QWidget* window) {
  QT_WARNING_PUSH
  QT_WARNING_DISABLE_DEPRECATED
  QApplication::setActiveWindow(window);
  QT_WARNING_POP
}

// Before a modal box or dialog returns, the window that was active is active
// again: a grid that ended an edit with a warning would otherwise still be
// without the focus and ignore the click that ended it.
class FocusComesBack {
 public:
  FocusComesBack() : window_(QApplication::activeWindow()) {}
  ~FocusComesBack() {
    if (window_ != nullptr && window_->isVisible() && QApplication::activeWindow() != window_)
      ActivateNow(window_);
  }
  FocusComesBack(const FocusComesBack&) = delete;
  FocusComesBack& operator=(const FocusComesBack&) = delete;

 private:
  QPointer<QWidget> window_;
};
