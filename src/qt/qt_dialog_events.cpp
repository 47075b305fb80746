// The window's own events: keys the dialog answers, closing, size, right-clicks.

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "qt/qt_dialog.h"

bool QtDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_) {
    if (event->type() == QEvent::Show && framePending_) {
      QTimer::singleShot(0, this, [this] {
        if (framePending_ && window_ != nullptr) MoveFrame(pendingFrame_);
      });
    }
    if (event->type() == QEvent::Close) return HandleClose(event);
    if (event->type() == QEvent::KeyPress) return HandleWindowKey(event);
    return false;
  }
  if (watched == client_) {
    if (event->type() == QEvent::Resize && initialized_) {
      DialogEvent size;
      size.kind = DialogEventKind::kSize;
      size.x = client_->width();
      size.y = client_->height();
      Send(size);
    } else if (event->type() == QEvent::ContextMenu) {
      return HandleClientContextMenu(event);
    }
    return false;
  }
  // Multi-line edits that do not want Enter leave it to the dialog.
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return HandleWindowKey(event);
  }
  return false;
}

bool QtDialog::HandleWindowKey(QEvent* event) {
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  if (key->key() == Qt::Key_Escape) {
    SendCommand(kIdCancel, kNotifyClicked);
    return true;
  }
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
  // Enter presses the focused push button, else the default one, else is OK.
  if (auto* focused = dynamic_cast<QPushButton*>(window_->focusWidget());
      focused != nullptr && focused->isEnabled()) {
    focused->click();
    return true;
  }
  for (const DialogControl& control : controls_) {
    if (control.kind == ControlKind::kDefaultButton && !control.widget->isHidden() &&
        control.widget->isEnabled()) {
      static_cast<QPushButton*>(control.widget)->click();
      return true;
    }
  }
  SendCommand(kIdOk, kNotifyClicked);
  return true;
}

bool QtDialog::HandleClose(QEvent* event) {
  if (ended_) return false;
  // The procedure decides; a dialog that does not answer hears Cancel.
  event->ignore();
  DialogEvent close;
  close.kind = DialogEventKind::kClose;
  if (Send(close) == 0) SendCommand(kIdCancel, kNotifyClicked);
  return true;
}

bool QtDialog::HandleClientContextMenu(QEvent* event) {
  const auto* menu = static_cast<QContextMenuEvent*>(event);
  DialogEvent request;
  request.kind = DialogEventKind::kContextMenu;
  request.id = ControlIdAt(menu->pos());
  request.x = menu->globalPos().x();
  request.y = menu->globalPos().y();
  Send(request);
  return true;
}

const DialogControl* QtDialog::ControlOf(const QWidget* widget) const {
  for (; widget != nullptr && widget != client_ && widget != window_;
       widget = widget->parentWidget()) {
    for (const DialogControl& control : controls_) {
      if (control.widget == widget) return &control;
    }
  }
  return nullptr;
}

int QtDialog::ControlIdOf(const QWidget* widget) const {
  const DialogControl* control = ControlOf(widget);
  return control != nullptr ? control->id : 0;
}

// Static texts and group boxes let the mouse through, so the control found is
// the one a click there reaches.
int QtDialog::ControlIdAt(const QPoint& clientPos) const {
  return ControlIdOf(client_->childAt(clientPos));
}
