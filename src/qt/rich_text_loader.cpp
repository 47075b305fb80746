#include "qt/rich_text_loader.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "qt/qt_text.h"
#include "text/rtf_reader.h"

namespace {

constexpr double kTwipsPerInch = 1440.0;

QTextBlockFormat BlockFormat(const RtfParagraph& paragraph, double pixelsPerInch) {
  QTextBlockFormat format;
  switch (paragraph.alignment) {
    case RtfAlignment::kLeft: format.setAlignment(Qt::AlignLeft); break;
    case RtfAlignment::kCenter: format.setAlignment(Qt::AlignHCenter); break;
    case RtfAlignment::kRight: format.setAlignment(Qt::AlignRight); break;
  }
  QList<QTextOption::Tab> tabs;
  for (int twips : paragraph.tabStops) {
    tabs.append(QTextOption::Tab(twips / kTwipsPerInch * pixelsPerInch, QTextOption::LeftTab));
  }
  format.setTabPositions(tabs);
  return format;
}

QTextCharFormat CharFormat(const RtfRun& run) {
  QTextCharFormat format;
  format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(run.italic);
  format.setFontUnderline(run.underline);
  format.setFontPointSize(run.halfPoints / 2.0);
  return format;
}

}  // namespace

void LoadRichText(QTextEdit* edit, const QString& text) {
  const std::string bytes = ToStdString(text);
  if (!LooksLikeRtf(bytes)) {
    edit->setPlainText(FromCrLf(text));
    return;
  }
  QTextDocument* document = edit->document();
  document->clear();
  QTextCursor cursor(document);
  const double pixelsPerInch = edit->logicalDpiX();
  bool first = true;
  for (const RtfParagraph& paragraph : ReadRtf(bytes)) {
    const QTextBlockFormat block = BlockFormat(paragraph, pixelsPerInch);
    if (first) {
      cursor.setBlockFormat(block);
      first = false;
    } else {
      cursor.insertBlock(block);
    }
    for (const RtfRun& run : paragraph.runs) cursor.insertText(ToQString(run.text), CharFormat(run));
  }
}
