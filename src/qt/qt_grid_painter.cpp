#include "qt/qt_grid_painter.h"

#include <QPaintEngine>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>
#include <vector>

#include "qt/color_ref.h"
#include "qt/qt_text.h"

namespace {

const QColor kFace(240, 240, 240);
const QColor kShadow(160, 160, 160);
const QColor kHighlight(255, 255, 255);
const QColor kStockGray(128, 128, 128);

Qt::Alignment HorizontalAlignment(unsigned flags) {
  if ((flags & kTextCenter) != 0) return Qt::AlignHCenter;
  if ((flags & kTextRight) != 0) return Qt::AlignRight;
  return Qt::AlignLeft;
}

// One line shows line breaks as spaces; several lines break at them.
QString SingleLine(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}

QString MultiLine(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  text.replace(QLatin1Char('\n'), QChar::LineSeparator);
  return text;
}

}  // namespace

QRect ToQRect(const GridRect& rect) {
  return QRect(rect.left, rect.top, std::max(0, rect.Width()), std::max(0, rect.Height()));
}

QtGridPainter::QtGridPainter(QPainter& painter, GridFonts& fonts, const QWidget* widget)
    : painter_(painter), fonts_(fonts), widget_(widget) {}

void QtGridPainter::FillRect(const GridRect& rect, GridColor color) {
  painter_.fillRect(ToQRect(rect), ColorFromRef(color));
}

void QtGridPainter::FillGray(const GridRect& rect) { painter_.fillRect(ToQRect(rect), kStockGray); }

void QtGridPainter::EtchedBox(const GridRect& rect) {
  const QRect r = ToQRect(rect);
  if (r.isEmpty()) return;
  painter_.fillRect(r, kFace);
  // A sunken outer edge and a raised inner one.
  const int left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
  const auto line = [this](int x1, int y1, int x2, int y2, const QColor& color) {
    painter_.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), color);
  };
  line(left, top, right, top, kShadow);
  line(left, top, left, bottom, kShadow);
  line(left, bottom, right, bottom, kHighlight);
  line(right, top, right, bottom, kHighlight);
  if (r.width() > 2 && r.height() > 2) {
    line(left + 1, top + 1, right - 1, top + 1, kHighlight);
    line(left + 1, top + 1, left + 1, bottom - 1, kHighlight);
    line(left + 1, bottom - 1, right - 1, bottom - 1, kShadow);
    line(right - 1, top + 1, right - 1, bottom - 1, kShadow);
  }
}

void QtGridPainter::FramedBox(const GridRect& rect, GridColor frame, GridColor face) {
  const QRect r = ToQRect(rect);
  painter_.fillRect(r, ColorFromRef(frame));
  painter_.fillRect(r.adjusted(1, 1, -1, -1), ColorFromRef(face));
}

void QtGridPainter::DrawText(const GridRect& rect, std::string_view text,
                             const GridTextStyle& style) {
  const QRect r = ToQRect(rect);
  if (r.isEmpty() || text.empty()) return;
  painter_.save();
  painter_.setClipRect(r, Qt::IntersectClip);
  painter_.setFont(fonts_.Font(style.font));
  painter_.setPen(ColorFromRef(style.color));
  if ((style.flags & kTextSingleLine) != 0) {
    QString line = SingleLine(ToQString(text));
    if ((style.flags & kTextEndEllipsis) != 0) {
      line = fonts_.Metrics(style.font).elidedText(line, Qt::ElideRight, r.width());
    }
    const Qt::Alignment vertical =
        (style.flags & kTextVCenter) != 0 ? Qt::AlignVCenter : Qt::AlignTop;
    painter_.drawText(r, static_cast<int>(HorizontalAlignment(style.flags) | vertical) |
                             Qt::TextSingleLine, line);
  } else {
    DrawLines(r, MultiLine(ToQString(text)), style);
  }
  painter_.restore();
}

// Lines from the top. With an ellipsis, a line too wide for the rectangle is
// cut: with "..." at the end of the text, or where more text follows the last
// line shown; elsewhere without.
void QtGridPainter::DrawLines(const QRect& rect, const QString& text, const GridTextStyle& style) {
  const QFont& font = fonts_.Font(style.font);
  QTextLayout layout(text, font, painter_.device());
  QTextOption option(HorizontalAlignment(style.flags));
  option.setWrapMode((style.flags & kTextWordBreak) != 0 ? QTextOption::WordWrap
                                                         : QTextOption::ManualWrap);
  layout.setTextOption(option);
  std::vector<QTextLine> lines;
  qreal y = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(rect.width());
    line.setPosition(QPointF(0, y));
    y += line.height();
    lines.push_back(line);
  }
  layout.endLayout();

  std::size_t shown = 0;
  while (shown < lines.size() &&
         (shown == 0 || lines[shown].position().y() + lines[shown].height() <= rect.height())) {
    ++shown;
  }
  if ((style.flags & kTextEndEllipsis) == 0) {
    for (std::size_t i = 0; i < shown; ++i) lines[i].draw(&painter_, rect.topLeft());
    return;
  }
  const QFontMetrics& metrics = fonts_.Metrics(style.font);
  const int flags = static_cast<int>(HorizontalAlignment(style.flags) | Qt::AlignTop) | Qt::TextSingleLine;
  for (std::size_t i = 0; i < shown; ++i) {
    const QTextLine& line = lines[i];
    const bool moreFollows = i + 1 == shown && shown < lines.size();
    QString part = moreFollows ? text.mid(line.textStart())
                               : text.mid(line.textStart(), line.textLength());
    part.replace(QChar::LineSeparator, QLatin1Char(' '));
    if (!moreFollows) part = part.trimmed();
    if (moreFollows || i + 1 == lines.size()) {
      part = metrics.elidedText(part, Qt::ElideRight, rect.width());
    } else {
      while (!part.isEmpty() && metrics.horizontalAdvance(part) > rect.width()) part.chop(1);
    }
    const QRect band(rect.left(), rect.top() + static_cast<int>(line.position().y()), rect.width(),
                     static_cast<int>(line.height()) + 1);
    painter_.drawText(band, flags, part);
  }
}

void QtGridPainter::CheckBox(const GridRect& rect, bool checked) {
  const QRect r = ToQRect(rect);
  const int side = std::min(r.width(), r.height());
  if (side <= 0) return;
  QStyleOptionButton option;
  option.rect = QRect(r.left(), r.top() + (r.height() - side) / 2, side, side);
  option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
  option.palette = widget_->palette();
  widget_->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter_, widget_);
}

void QtGridPainter::CursorFrame(const GridRect& rect, GridColor color) {
  const QRect r = ToQRect(rect);
  if (r.isEmpty()) return;
  constexpr int kThickness = 3;
  const int band = std::min({kThickness, r.width() / 2, r.height() / 2});
  if (band <= 0) return;
  painter_.save();
  const QPaintEngine* engine = painter_.paintEngine();
  if (engine != nullptr && engine->hasFeature(QPaintEngine::RasterOpModes)) {
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  }
  // Four bands that do not overlap, so no pixel is combined twice.
  const QColor c = ColorFromRef(color);
  painter_.fillRect(QRect(r.left(), r.top(), r.width(), band), c);
  painter_.fillRect(QRect(r.left(), r.bottom() - band + 1, r.width(), band), c);
  painter_.fillRect(QRect(r.left(), r.top() + band, band, r.height() - 2 * band), c);
  painter_.fillRect(QRect(r.right() - band + 1, r.top() + band, band, r.height() - 2 * band), c);
  painter_.restore();
}
