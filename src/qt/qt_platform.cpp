#include "qt/qt_platform.h"

#include <QApplication>
#include <QCursor>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "qt/window_activation.h"
#include "qt/qt_dialog.h"
#include "qt/qt_print_device.h"

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
  timers_.clear();
  for (const QPointer<QtDialog>& dialog : modeless_) {
    if (dialog != nullptr && dialog->Window() != nullptr) delete dialog->Window();
  }
}

QWidget* QtPlatform::ParentFor(PlatformWindow* owner) {
  if (QtDialog* dialog = QtDialog::Of(owner); dialog != nullptr && dialog->Window() != nullptr) {
    return dialog->Window();
  }
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

PrinterChoice QtPlatform::ChoosePrinter(PlatformWindow* owner) {
  const FocusComesBack focus;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setPageSize(QPageSize(QPageSize::Letter));
  printer->setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);
  printer->setCopyCount(1);
  QPrintDialog dialog(printer.get(), ParentFor(owner));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (dialog.exec() != QDialog::Accepted) return {};
  const int copies = printer->copyCount();
  printer->setCopyCount(1);
  return {std::make_unique<QtPrintDevice>(std::move(printer)), copies};
}

void QtPlatform::Beep() { QApplication::beep(); }

std::string QtPlatform::ProgramPath() {
  if (!programPath_.empty()) return programPath_;
  const QByteArray path = QCoreApplication::applicationFilePath().toUtf8();
  return std::string(path.constData(), static_cast<std::size_t>(path.size()));
}

int QtPlatform::RunModal(const DialogTemplate& dialogTemplate, const DialogProc& proc,
                         Dialog* owner, std::intptr_t param) {
  const FocusComesBack focus;
  auto* dialog = new QtDialog(dialogTemplate, proc, ParentFor(owner), QtDialog::Mode::kModal);
  const QPointer<QWidget> window = dialog->Window();
  modal_.emplace_back(dialog);
  dialog->Initialize(param);
  const int result = dialog->Exec(pump_);
  std::erase_if(modal_, [dialog](const QPointer<QtDialog>& open) {
    return open == nullptr || open == dialog;
  });
  delete window.data();
  return result;
}

Dialog* QtPlatform::CreateModeless(const DialogTemplate& dialogTemplate, const DialogProc& proc,
                                   Dialog* owner, std::intptr_t param) {
  QWidget* parent = nullptr;
  if (QtDialog* ownerDialog = QtDialog::Of(owner)) parent = ownerDialog->Window();
  auto* dialog = new QtDialog(dialogTemplate, proc, parent, QtDialog::Mode::kModeless);
  dialog->SetShownHandler([this](QtDialog& shown) { front_ = &shown; });
  const QPointer<QtDialog> alive(dialog);
  std::erase_if(modeless_, [](const QPointer<QtDialog>& gone) { return gone == nullptr; });
  modeless_.push_back(alive);
  dialog->Initialize(param);
  // A dialog that ended while it initialised was never there.
  if (alive == nullptr || dialog->HasEnded()) return nullptr;
  return dialog;
}

QtDialog* QtPlatform::MainWindow() const {
  for (const QPointer<QtDialog>& dialog : modeless_) {
    if (dialog != nullptr && !dialog->HasEnded() && dialog->Window() != nullptr &&
        dialog->Window()->parentWidget() == nullptr) {
      return dialog;
    }
  }
  return nullptr;
}

QtDialog* QtPlatform::ActiveWindow() const {
  for (auto it = modal_.rbegin(); it != modal_.rend(); ++it) {
    if (*it != nullptr && !(*it)->HasEnded()) return *it;
  }
  // The modeless window the program showed or the user brought forward last,
  // while it shows: the system's own idea of the active window changes with
  // every popup that closes.
  if (front_ != nullptr && !front_->HasEnded() && front_->Window() != nullptr &&
      front_->Window()->isVisible()) {
    return front_;
  }
  return MainWindow();
}

QtDialog* QtPlatform::ShownModeless(int templateId) const {
  for (const QPointer<QtDialog>& dialog : modeless_) {
    if (dialog == nullptr || dialog->HasEnded() || dialog->TemplateId() != templateId) continue;
    if (dialog->Window() != nullptr && dialog->Window()->isVisible()) return dialog;
  }
  return nullptr;
}

void QtPlatform::CloseWindows() {
  // A procedure may open another window meanwhile, so work on a copy.
  const std::vector<QPointer<QtDialog>> open = modeless_;
  for (auto it = open.rbegin(); it != open.rend(); ++it) {
    if (*it != nullptr) (*it)->EndDialog(0);
  }
}

void QtPlatform::PostQuit(int exitCode) {
  if (quitHandler_) {
    quitHandler_(exitCode);
    return;
  }
  // Posted: a quit before the loop started still ends it once it runs.
  QTimer::singleShot(0, qApp, [exitCode] { QCoreApplication::exit(exitCode); });
}

PixelRect QtPlatform::WorkArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return Platform::WorkArea();
  const QRect area = screen->availableGeometry();
  return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

void QtPlatform::CursorPosition(int* x, int* y) {
  const QPoint at = QCursor::pos();
  *x = at.x();
  *y = at.y();
}
