#pragma once
// A pair of arrow buttons stepping the number in the edit box before it.

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

#include <functional>

class UpDownWidget : public QWidget {
 public:
  explicit UpDownWidget(QWidget* parent);

  void SetBuddy(QLineEdit* buddy);
  QLineEdit* Buddy() const { return buddy_; }
  void SetRange(int low, int high);
  // Writes the buddy's text; the program's own change, so nobody is told.
  void SetPosition(int position);
  // Toward the range's high end for +1, toward its low end for -1, from the
  // number the buddy shows (else the last position set) to the next whole one.
  void Step(int direction);

  // The user stepped and the buddy's text changed.
  std::function<void()> onStepped;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // The arrow keys in the buddy step too.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int Clamp(int value) const;
  bool ShownNumber(double* value) const;

  QToolButton* up_;
  QToolButton* down_;
  QLineEdit* buddy_ = nullptr;
  int low_ = 0, high_ = 100;
  int position_ = 0;
};
