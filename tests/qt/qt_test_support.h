#pragma once
// Helpers for tests that run real widgets without a screen.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <string>
#include <vector>

#include "qt/qt_text.h"

// Answers every message box that opens while it lives, pressing the button
// with the given role (the box's default when none fits), and keeps the texts.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok)
      : answer_(answer) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }
  void SetAnswer(QMessageBox::StandardButton answer) { answer_ = answer; }
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  void Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    texts_.push_back(ToStdString(box->text()));
    QAbstractButton* button = box->button(answer_);
    if (button == nullptr) button = box->defaultButton();
    if (button == nullptr && !box->buttons().isEmpty()) button = box->buttons().constFirst();
    if (button != nullptr) button->click();
  }

  QTimer timer_;
  QMessageBox::StandardButton answer_;
  std::vector<std::string> texts_;
};

// Calls `act` once with the first modal widget of that type that opens.
template <typename Modal, typename Act>
void ActOnNextModal(Act act) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    // Not only the active modal widget: a box an earlier test left behind may
    // still hold that place.
    Modal* modal = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* candidate = qobject_cast<Modal*>(widget);
      if (candidate != nullptr && candidate->isVisible()) modal = candidate;
    }
    if (modal == nullptr) return;
    timer->stop();
    timer->deleteLater();
    act(modal);
  });
  timer->start();
}

// Shows a window and waits until it is active, so that focus events arrive.
inline bool ShowActive(QWidget* window) {
  window->show();
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}
