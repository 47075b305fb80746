#pragma once
// The grid's drawing primitives over a QPainter, with the system's classic
// colours for faces, edges and the gray background.

#include <QPainter>

#include "grid/grid_painter.h"
#include "qt/grid_fonts.h"

class QWidget;

QRect ToQRect(const GridRect& rect);

class QtGridPainter : public GridPainter {
 public:
  QtGridPainter(QPainter& painter, GridFonts& fonts, const QWidget* widget);

  void FillRect(const GridRect& rect, GridColor color) override;
  void FillGray(const GridRect& rect) override;
  void EtchedBox(const GridRect& rect) override;
  void FramedBox(const GridRect& rect, GridColor frame, GridColor face) override;
  void DrawText(const GridRect& rect, std::string_view text, const GridTextStyle& style) override;
  void CheckBox(const GridRect& rect, bool checked) override;
  void CursorFrame(const GridRect& rect, GridColor color) override;

 private:
  void DrawLines(const QRect& rect, const QString& text, const GridTextStyle& style);

  QPainter& painter_;
  GridFonts& fonts_;
  const QWidget* widget_;
};
