#include "qt/qt_dialog.h"

#include <QDialog>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <utility>

#include "qt/grid_widget.h"
#include "qt/qt_text.h"
#include "qt/up_down_widget.h"

QtDialog::QtDialog(const DialogTemplate& dialogTemplate, DialogProc proc, QWidget* owner,
                   Mode mode)
    : templateId_(dialogTemplate.id), proc_(std::move(proc)), mode_(mode) {
  QWidget* window = nullptr;
  if (mode == Mode::kModal) {
    modal_ = new QDialog(owner);
    window = modal_;
  } else {
    window = new QWidget(owner, owner != nullptr ? Qt::Dialog : Qt::Window);
  }
  window_ = window;
  // A child of its window: whoever deletes the window deletes the dialog first.
  setParent(window);
  window->setWindowTitle(ToQString(dialogTemplate.caption));
  window->installEventFilter(this);
  units_ = DialogUnits::ForFont(window->font());

  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  if (dialogTemplate.menu != nullptr) {
    BuildMenuBar(*dialogTemplate.menu);
    layout->setMenuBar(menuBar_);
  }
  client_ = new QWidget(window);
  client_->installEventFilter(this);
  layout->addWidget(client_);
  BuildControls(dialogTemplate.controls);
  BuildKeys(dialogTemplate.keys);

  const QSize clientSize(units_.X(dialogTemplate.width), units_.Y(dialogTemplate.height));
  const int menuHeight = menuBar_ != nullptr ? menuBar_->sizeHint().height() : 0;
  const QSize windowSize(clientSize.width(), clientSize.height() + menuHeight);
  resizable_ = dialogTemplate.resizable;
  if (resizable_) {
    window->resize(windowSize);
  } else {
    window->setFixedSize(windowSize);
  }
  // The procedure reads the client size while it initialises, before any show.
  client_->setGeometry(QRect(QPoint(0, menuHeight), clientSize));
}

QtDialog::~QtDialog() {
  for (DialogControl& control : controls_) {
    if (control.kind == ControlKind::kGrid) {
      static_cast<GridWidget*>(control.widget)->SetNotify(nullptr);
    } else if (control.kind == ControlKind::kUpDown) {
      static_cast<UpDownWidget*>(control.widget)->onStepped = nullptr;
    }
  }
  // Destroyed with its owner: the procedure still hears of it.
  if (initialized_ && !destroySent_) Send({DialogEventKind::kDestroy});
}

void QtDialog::Initialize(std::intptr_t param) {
  DialogEvent init;
  init.kind = DialogEventKind::kInit;
  init.param = param;
  Send(init);
  initialized_ = true;
  if (mode_ == Mode::kModeless && !ended_ && window_ != nullptr) window_->show();
}

int QtDialog::Exec(const std::function<bool()>& pump) {
  if (modal_ != nullptr && !ended_) {
    executing_ = true;
    if (pump) PumpFromLoop(pump);
    modal_->exec();
    executing_ = false;
    // The loop can also end from outside (the program quitting): a cancel.
    if (!ended_) {
      ended_ = true;
      result_ = kIdCancel;
    }
  }
  if (!destroySent_) Send({DialogEventKind::kDestroy});
  return result_;
}

// One piece of work per round of the loop, so that what it posted runs before
// the next.
void QtDialog::PumpFromLoop(const std::function<bool()>& pump) {
  QTimer::singleShot(0, this, [this, pump] {
    if (ended_) return;
    const QPointer<QtDialog> alive(this);
    const bool more = pump();
    if (alive == nullptr || ended_) return;
    if (more) {
      PumpFromLoop(pump);
    } else {
      EndDialog(kIdCancel);
    }
  });
}

QWidget* QtDialog::Window() const { return window_.data(); }

QtDialog* QtDialog::Of(PlatformWindow* window) { return dynamic_cast<QtDialog*>(window); }

DialogControl* QtDialog::Find(int id) {
  const auto it = firstById_.find(id);
  return it == firstById_.end() ? nullptr : &controls_[it->second];
}

const DialogControl* QtDialog::Find(int id) const {
  const auto it = firstById_.find(id);
  return it == firstById_.end() ? nullptr : &controls_[it->second];
}

QWidget* QtDialog::ItemWidget(int id) const {
  const DialogControl* control = Find(id);
  return control != nullptr ? control->widget : nullptr;
}

int QtDialog::Send(const DialogEvent& event) {
  if (destroySent_) return 0;
  if (event.kind == DialogEventKind::kDestroy) destroySent_ = true;
  return proc_ ? proc_(*this, event) : 0;
}

int QtDialog::SendCommand(int id, int code, std::intptr_t param) {
  DialogEvent command;
  command.kind = DialogEventKind::kCommand;
  command.id = id;
  command.code = code;
  command.param = param;
  return Send(command);
}

void QtDialog::SetCaption(std::string_view caption) {
  if (window_ != nullptr) window_->setWindowTitle(ToQString(caption));
}

std::string QtDialog::GetCaption() const {
  return window_ != nullptr ? ToStdString(window_->windowTitle()) : std::string();
}

PixelRect QtDialog::GetItemRect(int id) const {
  if (id == kWindowItem && window_ != nullptr) {
    const QRect frame = window_->frameGeometry();
    return {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
  }
  const QWidget* widget = ItemWidget(id);
  if (widget == nullptr) return {};
  const QRect rect = widget->geometry();
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

void QtDialog::MoveItem(int id, const PixelRect& rect) {
  if (id == kWindowItem && window_ != nullptr) {
    MoveFrame(rect);
    return;
  }
  if (QWidget* widget = ItemWidget(id)) {
    widget->setGeometry(rect.left, rect.top, std::max(0, rect.Width()), std::max(0, rect.Height()));
  }
}

void QtDialog::MoveFrame(const PixelRect& rect) {
  // The frame's decorations are known once the window is shown: a frame asked
  // for before then is asked for again at the show.
  framePending_ = !window_->isVisible();
  pendingFrame_ = rect;
  const QRect frame = window_->frameGeometry();
  const QRect inner = window_->geometry();
  const int width = std::max(0, rect.Width() - (frame.width() - inner.width()));
  const int height = std::max(0, rect.Height() - (frame.height() - inner.height()));
  window_->move(rect.left, rect.top);
  if (resizable_) {
    window_->resize(width, height);
  } else {
    window_->setFixedSize(width, height);
  }
}

PixelRect QtDialog::GetClientRect() const { return {0, 0, client_->width(), client_->height()}; }

void QtDialog::SetMinimumSize(int width, int height) {
  if (window_ != nullptr) window_->setMinimumSize(std::max(0, width), std::max(0, height));
}

GridEngine* QtDialog::GetGrid(int id) {
  const DialogControl* control = Find(id);
  if (control == nullptr || control->kind != ControlKind::kGrid) return nullptr;
  return &static_cast<GridWidget*>(control->widget)->Engine();
}

void QtDialog::Post(std::function<void()> action) {
  if (!action) return;
  // Dropped with the dialog, as a message posted to a destroyed window is.
  QTimer::singleShot(0, this, [action = std::move(action)] { action(); });
}

void QtDialog::EndDialog(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
  if (mode_ == Mode::kModal) {
    if (executing_) modal_->done(result);
    return;
  }
  Send({DialogEventKind::kDestroy});
  if (window_ != nullptr) {
    window_->hide();
    window_->deleteLater();
  }
}

void QtDialog::Repaint() {
  if (window_ != nullptr) window_->update();
  for (const DialogControl& control : controls_) control.widget->update();
}
