#include "qt/qt_platform.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "qt/focus_comes_back.h"
#include "qt/qt_dialog.h"

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
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

void QtPlatform::Beep() { QApplication::beep(); }

std::string QtPlatform::ProgramPath() {
  const QByteArray path = QCoreApplication::applicationFilePath().toUtf8();
  return std::string(path.constData(), static_cast<std::size_t>(path.size()));
}

int QtPlatform::RunModal(const DialogTemplate& dialogTemplate, const DialogProc& proc,
                         Dialog* owner, std::intptr_t param) {
  const FocusComesBack focus;
  auto* dialog = new QtDialog(dialogTemplate, proc, ParentFor(owner), QtDialog::Mode::kModal);
  const QPointer<QWidget> window = dialog->Window();
  dialog->Initialize(param);
  const int result = dialog->Exec();
  delete window.data();
  return result;
}

Dialog* QtPlatform::CreateModeless(const DialogTemplate& dialogTemplate, const DialogProc& proc,
                                   Dialog* owner, std::intptr_t param) {
  QWidget* parent = nullptr;
  if (QtDialog* ownerDialog = QtDialog::Of(owner)) parent = ownerDialog->Window();
  auto* dialog = new QtDialog(dialogTemplate, proc, parent, QtDialog::Mode::kModeless);
  const QPointer<QtDialog> alive(dialog);
  std::erase_if(modeless_, [](const QPointer<QtDialog>& gone) { return gone == nullptr; });
  modeless_.push_back(alive);
  dialog->Initialize(param);
  // A dialog that ended while it initialised was never there.
  if (alive == nullptr || dialog->HasEnded()) return nullptr;
  return dialog;
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
