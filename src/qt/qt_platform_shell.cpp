// Message boxes, file dialogs and the desktop shell.

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QProcess>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QUrl>

#include "qt/window_activation.h"
#include "qt/qt_platform.h"
#include "qt/qt_text.h"

namespace {

// Results as the system's shell reports them: above 32 is success.
constexpr int kShellOpened = 33;
constexpr int kShellNoAssociation = 31;
constexpr int kShellFileNotFound = 2;
// Beside a caption, the title bar's icon and buttons take about this many lines' height.
constexpr int kCaptionRoomLines = 8;

QString FilterOf(const FileDialogOptions& options) {
  const QString name = ToQString(options.filterName);
  if (name.contains(QLatin1Char('('))) return name;
  return name + QStringLiteral(" (") + ToQString(options.pattern) + QLatin1Char(')');
}

bool LooksLikeUrl(const QString& target) {
  const QUrl url(target, QUrl::StrictMode);
  return url.isValid() && url.scheme().size() > 1 && !QFileInfo::exists(target);
}

bool RunFileDialog(PlatformWindow* owner, const FileDialogOptions& options, std::string* path,
                   bool save) {
  QFileDialog dialog(QtPlatform::ParentFor(owner), ToQString(options.title));
  dialog.setNameFilter(FilterOf(options));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // A name typed without an extension gets the document's.
  dialog.setDefaultSuffix(ToQString(options.defaultExtension));
  // A path ending in a separator is a folder to start in, with no name proposed.
  if (path != nullptr && !path->empty()) {
    const QFileInfo start(ToQString(*path));
    dialog.setDirectory(start.absolutePath());
    if (!start.fileName().isEmpty()) dialog.selectFile(start.fileName());
  }
  const FocusComesBack focus;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  if (path != nullptr) *path = ToStdString(dialog.selectedFiles().constFirst());
  return true;
}

// A box narrower than its caption has the title bar cut it ("Corv... ght"):
// it is made as wide as the caption in a bold face, with room for the window's
// icon and buttons beside it.
void MakeRoomForCaption(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  QFont bold = box.font();
  bold.setBold(true);
  const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) +
                    kCaptionRoomLines * QFontMetrics(box.font()).height();
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                0, 1, grid->columnCount());
}

}  // namespace

void QtPlatform::ShowMessage(std::string_view text, std::string_view caption) {
  Ask(text, caption, MessageButtons::kOk);
}

int QtPlatform::Ask(std::string_view text, std::string_view caption, MessageButtons buttons) {
  QMessageBox box(QtPlatform::ParentFor(nullptr));
  box.setWindowTitle(ToQString(caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQString(text));
  box.setIcon(buttons == MessageButtons::kOk ? QMessageBox::NoIcon : QMessageBox::Question);
  switch (buttons) {
    case MessageButtons::kOk: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::kOkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MessageButtons::kYesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::kYesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  MakeRoomForCaption(box);
  const FocusComesBack focus;
  switch (box.exec()) {
    case QMessageBox::Yes: return kIdYes;
    case QMessageBox::No: return kIdNo;
    case QMessageBox::Cancel: return kIdCancel;
    case QMessageBox::Ok: return kIdOk;
    default: break;
  }
  // Closed without a button: the box's escape answer.
  switch (buttons) {
    case MessageButtons::kOk: return kIdOk;
    case MessageButtons::kYesNo: return kIdNo;
    default: return kIdCancel;
  }
}

std::string QtPlatform::DocumentsFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return ToStdString(QDir::toNativeSeparators(QDir(folder).absolutePath() + QLatin1Char('/')));
}

bool QtPlatform::ChooseOpenFile(PlatformWindow* owner, const FileDialogOptions& options,
                                std::string* path) {
  return RunFileDialog(owner, options, path, false);
}

bool QtPlatform::ChooseSaveFile(PlatformWindow* owner, const FileDialogOptions& options,
                                std::string* path) {
  return RunFileDialog(owner, options, path, true);
}

bool QtPlatform::ChooseFolder(PlatformWindow* owner, std::string_view title, std::string* path) {
  QFileDialog dialog(QtPlatform::ParentFor(owner), ToQString(title));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  if (path != nullptr && !path->empty()) dialog.setDirectory(ToQString(*path));
  const FocusComesBack focus;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  if (path != nullptr) *path = ToStdString(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
  return true;
}

int QtPlatform::StartProgram(std::string_view path) {
  return QProcess::startDetached(ToQString(path), {}) ? kShellOpened : kShellFileNotFound;
}

int QtPlatform::ShellOpen(std::string_view target) {
  const QString text = ToQString(target);
  if (LooksLikeUrl(text)) return QDesktopServices::openUrl(QUrl(text)) ? kShellOpened : 0;
  if (!QFileInfo::exists(text)) return kShellFileNotFound;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(text)) ? kShellOpened : kShellNoAssociation;
}
