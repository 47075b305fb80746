#pragma once
// The drawing primitives the grid paints with. The desktop widget implements
// them over its own device; the view clips to the region being painted, so a
// primitive may reach outside it.

#include <string_view>

#include "grid/grid_host.h"
#include "grid/grid_messages.h"
#include "grid/grid_rect.h"

// How DrawText places text in its rectangle; combine with |.
enum GridTextFlags : unsigned {
  kTextLeft = 0,
  kTextCenter = 1u << 0,
  kTextRight = 1u << 1,
  kTextVCenter = 1u << 2,  // with kTextSingleLine only
  kTextSingleLine = 1u << 3,
  kTextWordBreak = 1u << 4,
  kTextEndEllipsis = 1u << 5,
};

struct GridTextStyle {
  GridFont font;
  GridColor color = GridRgb(0, 0, 0);
  unsigned flags = kTextLeft;
};

class GridPainter {
 public:
  virtual ~GridPainter() = default;
  virtual void FillRect(const GridRect& rect, GridColor color) = 0;
  // The stock gray brush behind everything that is not a cell.
  virtual void FillGray(const GridRect& rect) = 0;
  // A sunken-and-raised (etched) edge with the button face filled inside.
  virtual void EtchedBox(const GridRect& rect) = 0;
  // A 1-pixel frame filled with the face colour.
  virtual void FramedBox(const GridRect& rect, GridColor frame, GridColor face) = 0;
  // UTF-8 text, always over a transparent background.
  virtual void DrawText(const GridRect& rect, std::string_view text, const GridTextStyle& style) = 0;
  virtual void CheckBox(const GridRect& rect, bool checked) = 0;
  // A 3-pixel frame combined with exclusive-or, unfilled.
  virtual void CursorFrame(const GridRect& rect, GridColor color) = 0;
};
