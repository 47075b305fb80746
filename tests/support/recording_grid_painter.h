#pragma once
// A grid painter that records every primitive in call order.

#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_painter.h"

enum class PaintOp { None, Fill, Gray, Etched, Framed, Text, CheckBox, Cursor };

struct PaintCall {
  PaintOp op = PaintOp::None;
  GridRect rect;
  std::string text;
  GridColor color = 0;  // fill, text, frame or cursor colour
  GridFont font;
  unsigned flags = 0;
  bool checked = false;
};

class RecordingGridPainter : public GridPainter {
 public:
  void FillRect(const GridRect& rect, GridColor color) override { Add(PaintOp::Fill, rect).color = color; }
  void FillGray(const GridRect& rect) override { Add(PaintOp::Gray, rect); }
  void EtchedBox(const GridRect& rect) override { Add(PaintOp::Etched, rect); }
  void FramedBox(const GridRect& rect, GridColor frame, GridColor) override { Add(PaintOp::Framed, rect).color = frame; }
  void DrawText(const GridRect& rect, std::string_view text, const GridTextStyle& style) override {
    PaintCall& call = Add(PaintOp::Text, rect);
    call.text = text;
    call.color = style.color;
    call.font = style.font;
    call.flags = style.flags;
  }
  void CheckBox(const GridRect& rect, bool checked) override { Add(PaintOp::CheckBox, rect).checked = checked; }
  void CursorFrame(const GridRect& rect, GridColor color) override { Add(PaintOp::Cursor, rect).color = color; }

  std::vector<PaintCall> Of(PaintOp op) const {
    std::vector<PaintCall> found;
    for (const auto& call : calls) {
      if (call.op == op) found.push_back(call);
    }
    return found;
  }
  // The first text drawn with exactly this text; a PaintOp::None call when none was.
  PaintCall Text(std::string_view text) const {
    for (const auto& call : calls) {
      if (call.op == PaintOp::Text && call.text == text) return call;
    }
    return {};
  }

  std::vector<PaintCall> calls;

 private:
  PaintCall& Add(PaintOp op, const GridRect& rect) {
    PaintCall& call = calls.emplace_back();
    call.op = op;
    call.rect = rect;
    return call;
  }
};
