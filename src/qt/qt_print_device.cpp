#include "qt/qt_print_device.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>

#include <cmath>

#include "platform/app_message.h"
#include "platform/report_font.h"
#include "qt/qt_text.h"

namespace {

constexpr std::string_view kNotPrinted = "The report could not be printed.";

// Advances are read at the font's design size, so that hinting never moves them.
constexpr int kDesignPixels = 2048;

QString FamilyName() {
  static const QString family = [] {
    // The installed files, even where the font configuration does not list them.
    for (const bool bold : {false, true}) {
      const std::string path = FindReportFontFile(bold);
      if (!path.empty()) QFontDatabase::addApplicationFont(ToQString(path));
    }
    return QStringLiteral("Liberation Sans");
  }();
  return family;
}

QFont DesignFont(bool bold) {
  QFont face(FamilyName());
  face.setPixelSize(kDesignPixels);
  face.setBold(bold);
  face.setKerning(false);
  face.setHintingPreference(QFont::PreferNoHinting);
  face.setStyleStrategy(QFont::NoFontMerging);
  return face;
}

}  // namespace

QtPrintDevice::Face::Face(bool bold) : metrics(DesignFont(bold)) {
  cell = metrics.ascent() + metrics.descent();
  average = WeightedAverageCharWidth([this](char c) { return metrics.horizontalAdvance(QChar(c)); });
}

QtPrintDevice::QtPrintDevice(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

QtPrintDevice::~QtPrintDevice() {
  if (painter_.isActive()) painter_.end();
}

QFont QtPrintDevice::ReportFont(const PrintFont& font) {
  const bool bold = font.weight >= 600;
  const QFontMetricsF design(DesignFont(bold));
  QFont face(FamilyName());
  face.setBold(bold);
  face.setUnderline(font.underline);
  face.setKerning(false);
  // The em in twips is the line's height over the cell; twenty twips a point.
  face.setPointSizeF(font.height * kDesignPixels / (design.ascent() + design.descent()) / 20.0);
  return face;
}

double QtPrintDevice::TwipsWidth(const QString& text) const {
  const Face& face = FaceOf(font_);
  return face.metrics.horizontalAdvance(text) * font_.height / face.cell;
}

bool QtPrintDevice::StartDocument(std::string_view jobName) {
  printer_->setDocName(ToQString(jobName));
  dpiX_ = printer_->logicalDpiX();
  dpiY_ = printer_->logicalDpiY();
  const QRectF area = printer_->pageLayout().paintRect(QPageLayout::Point);
  width_ = static_cast<int>(std::lround(area.width() * 20));
  height_ = -static_cast<int>(std::lround(area.height() * 20));
  if (printer_->isValid() && dpiX_ > 0 && dpiY_ > 0) return true;
  App_MessageBox(kNotPrinted);
  return false;
}

void QtPrintDevice::StartPage() {
  if (failed_) return;
  if (!painter_.isActive()) {
    // The first page opens with the painter; a document of no pages prints nothing.
    if (!painter_.begin(printer_.get())) failed_ = true;
    return;
  }
  if (!printer_->newPage()) failed_ = true;
}

bool QtPrintDevice::EndDocument() {
  if (painter_.isActive() && !painter_.end()) failed_ = true;
  if (failed_) {
    const QString file = printer_->outputFileName();
    App_MessageBox(file.isEmpty() ? std::string(kNotPrinted)
                                  : "Problem writing file <" + ToStdString(file) + ">");
  }
  return !failed_;
}

PrintFontMetrics QtPrintDevice::SelectFont(const PrintFont& font) {
  font_ = font;
  painterFont_ = ReportFont(font);
  const Face& face = FaceOf(font);
  return {static_cast<int>(std::lround(face.average * font.height / face.cell)), font.height};
}

int QtPrintDevice::TextWidth(std::string_view text) {
  return static_cast<int>(std::lround(TwipsWidth(ToQString(text))));
}

double QtPrintDevice::DeviceX(double twips) const { return twips * dpiX_ / kTwipsPerInch; }

double QtPrintDevice::DeviceY(double twips) const { return -twips * dpiY_ / kTwipsPerInch; }

void QtPrintDevice::DrawText(int x, int y, std::string_view text, PrintAlign align) {
  if (!painter_.isActive()) return;
  const QString string = ToQString(text);
  const Face& face = FaceOf(font_);
  if (painter_.font() != painterFont_) painter_.setFont(painterFont_);
  const double left = align == PrintAlign::kRight ? x - TwipsWidth(string) : x;
  const double ascent = face.metrics.ascent() * font_.height / face.cell;
  painter_.drawText(QPointF(DeviceX(left), DeviceY(y - ascent)), string);
}

void QtPrintDevice::DrawLine(int x1, int y1, int x2, int y2) {
  if (!painter_.isActive()) return;
  painter_.setPen(QPen(Qt::black, dpiY_ / 144));
  painter_.drawLine(QPointF(DeviceX(x1), DeviceY(y1)), QPointF(DeviceX(x2), DeviceY(y2)));
}
