#include "qt/qt_script_input.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QStyleHints>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace {

constexpr int kActivationTimeout = 2000;  // milliseconds
constexpr int kMaxMenuLevels = 8;

QWindow* WindowOf(QWidget* widget) {
  QWidget* window = widget->window();
  return window != nullptr ? window->windowHandle() : nullptr;
}

// A point of the widget's window; Qt Test takes (0, 0) for the window's
// middle, so a click there goes one pixel to the right.
QPoint InWindow(QWidget* widget, const QPoint& at) {
  const QPoint point = widget->mapTo(widget->window(), at);
  return point.isNull() ? QPoint(1, 0) : point;
}

// Clicks apart in time by more than the double-click interval never pair up.
int ApartFromTheLastClick() {
  return QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1;
}

// Moves a menu's highlight with the arrow keys onto an action.
bool Highlight(QMenu* menu, QAction* action) {
  for (int step = 0; step <= menu->actions().size() && menu->activeAction() != action; ++step)
    PressKey(menu, Qt::Key_Down);
  return menu->activeAction() == action;
}

}  // namespace

bool ActivateWindow(QWidget* window) {
  if (QApplication::activeWindow() == window) return true;
  window->activateWindow();
  return QTest::qWaitForWindowActive(window, kActivationTimeout);
}

void ReleaseButtons(QWidget* over) {
  QWindow* window = WindowOf(over);
  if (window == nullptr) return;
  const Qt::MouseButtons held = QGuiApplication::mouseButtons();
  for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    if (held & button) QTest::mouseRelease(window, button);
  }
}

void ClickAt(QWidget* widget, const QPoint& at, Qt::MouseButton button,
             Qt::KeyboardModifiers modifiers) {
  QWindow* window = WindowOf(widget);
  if (window == nullptr) return;
  QTest::mouseClick(window, button, modifiers, InWindow(widget, at), ApartFromTheLastClick());
}

void DoubleClickAt(QWidget* widget, const QPoint& at) {
  QWindow* window = WindowOf(widget);
  if (window == nullptr) return;
  QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, InWindow(widget, at),
                     ApartFromTheLastClick());
}

void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  if (QWindow* window = WindowOf(widget)) QTest::keyClick(window, key, modifiers);
}

void TypeText(QWidget* widget, const QString& text, bool newLineKey) {
  QWindow* window = WindowOf(widget);
  if (window == nullptr) return;
  for (const char32_t code : text.toUcs4()) {
    const QString character = QString::fromUcs4(&code, 1);
    Qt::Key key = Qt::Key_unknown;
    if (code >= 0x20 && code < 0x7F) key = QTest::asciiToKey(static_cast<char>(code));
    if (code == U'\n' && newLineKey) {
      QTest::keyClick(window, Qt::Key_Return);
      continue;
    }
    QTest::sendKeyEvent(QTest::Click, window, key, character, Qt::NoModifier);
  }
}

bool ChooseByKeyboard(QMenu* menu, const QList<QAction*>& path) {
  for (QAction* action : path) {
    if (menu == nullptr || !Highlight(menu, action)) return false;
    if (action->menu() == nullptr) {
      PressKey(menu, Qt::Key_Return);
      return true;
    }
    PressKey(menu, Qt::Key_Right);  // opens the submenu
    menu = action->menu();
  }
  return false;
}

void Dismiss(QMenu* menu) {
  const QPointer<QMenu> open(menu);
  for (int level = 0; level < kMaxMenuLevels && open != nullptr && open->isVisible(); ++level)
    PressKey(menu, Qt::Key_Escape);
}
