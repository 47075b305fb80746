// Timers on the interface thread, and the recent documents in the user's settings.
#include <QApplication>
#include <QByteArray>
#include <QSettings>
#include <QTimer>
#include <QVariantList>

#include "qt/qt_platform.h"

namespace {

bool ModalOpen() { return QApplication::activeModalWidget() != nullptr; }

const QString kRecentFilesKey = QStringLiteral("RecentFiles");

}  // namespace

int QtPlatform::StartTimer(int milliseconds, std::function<void()> action) {
  const int id = ++lastTimer_;
  Timer& entry = timers_[id];
  entry.action = std::move(action);
  entry.timer = std::make_unique<QTimer>();
  QObject::connect(entry.timer.get(), &QTimer::timeout, [this, id] { RunTimer(id); });
  if (!timersByScript_) entry.timer->start(milliseconds);
  return id;
}

void QtPlatform::StopTimer(int id) { timers_.erase(id); }

void QtPlatform::RunTimer(int id) {
  const auto found = timers_.find(id);
  if (found == timers_.end() || ModalOpen()) return;
  // The action may stop its own timer.
  const std::function<void()> action = found->second.action;
  action();
}

bool QtPlatform::FireTimers() {
  if (timers_.empty()) return false;
  std::vector<int> ids;
  for (const auto& entry : timers_) ids.push_back(entry.first);
  for (const int id : ids) RunTimer(id);
  return true;
}

// Paths are bytes: a name that is not UTF-8 must come back as it was.
std::vector<std::string> QtPlatform::LoadRecentFiles() {
  std::vector<std::string> paths;
  for (const QVariant& path : QSettings().value(kRecentFilesKey).toList()) {
    const QByteArray bytes = path.toByteArray();
    if (!bytes.isEmpty())
      paths.emplace_back(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  return paths;
}

void QtPlatform::StoreRecentFiles(const std::vector<std::string>& paths) {
  QVariantList stored;
  for (const std::string& path : paths)
    stored.append(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
  QSettings().setValue(kRecentFilesKey, stored);
}
