#include "qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "qt/qt_text.h"

namespace {

const QString kRtfMime = QStringLiteral("text/rtf");
// Other programs offer Rich Text under these names too.
const QStringList kRtfAliases = {QStringLiteral("text/rtf"), QStringLiteral("application/rtf"),
                                 QStringLiteral("text/richtext")};

bool IsText(std::string_view format) { return format == kClipboardTextFormat; }
bool IsRtf(std::string_view format) { return format == kClipboardRtfFormat; }

const QMimeData* SystemData() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard != nullptr ? clipboard->mimeData() : nullptr;
}

}  // namespace

QtClipboard::QtClipboard() = default;
QtClipboard::~QtClipboard() = default;

QString QtClipboard::MimeType(std::string_view format) {
  if (IsRtf(format)) return kRtfMime;
  return ToQString(format);
}

std::map<std::string, std::string, std::less<>> QtClipboard::Contents() {
  std::map<std::string, std::string, std::less<>> contents;
  const QMimeData* data = SystemData();
  if (data == nullptr) return contents;
  for (const QString& mime : data->formats()) {
    std::string name = ToStdString(mime);
    if (name == kClipboardTextFormat) {
      contents[name] = ToStdString(data->text());
    } else {
      if (kRtfAliases.contains(mime)) name = kClipboardRtfFormat;
      const QByteArray bytes = data->data(mime);
      contents[name].assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
  }
  return contents;
}

bool QtClipboard::Open(PlatformWindow*) {
  if (open_ || QGuiApplication::clipboard() == nullptr) return false;
  open_ = true;
  changed_ = false;
  pending_ = std::make_unique<QMimeData>();
  return true;
}

void QtClipboard::Empty() {
  if (!open_) return;
  pending_ = std::make_unique<QMimeData>();
  changed_ = true;
}

bool QtClipboard::Put(std::string_view format, std::string_view bytes) {
  if (!open_) return false;
  if (IsText(format)) {
    pending_->setText(ToQString(bytes));
  } else {
    pending_->setData(MimeType(format),
                      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  }
  changed_ = true;
  return true;
}

void QtClipboard::Close() {
  if (!open_) return;
  open_ = false;
  if (changed_) QGuiApplication::clipboard()->setMimeData(pending_.release());
  pending_.reset();
}

bool QtClipboard::Fetch(std::string_view format, std::string* bytes) {
  const QMimeData* data = SystemData();
  if (data == nullptr) return false;
  if (IsText(format)) {
    if (!data->hasText()) return false;
    *bytes = ToStdString(data->text());
    return true;
  }
  const QStringList names = IsRtf(format) ? kRtfAliases : QStringList{MimeType(format)};
  for (const QString& name : names) {
    if (data->hasFormat(name)) {
      const QByteArray content = data->data(name);
      bytes->assign(content.constData(), static_cast<std::size_t>(content.size()));
      return true;
    }
  }
  return false;
}

bool QtClipboard::IsOffered(std::string_view format) {
  const QMimeData* data = SystemData();
  if (data == nullptr) return false;
  if (IsText(format)) return data->hasText();
  const QStringList names = IsRtf(format) ? kRtfAliases : QStringList{MimeType(format)};
  for (const QString& name : names) {
    if (data->hasFormat(name)) return true;
  }
  return false;
}
