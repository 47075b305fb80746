#pragma once
// A rectangle in the grid's client coordinates; right and bottom are exclusive.

struct GridRect {
  int left = 0, top = 0, right = 0, bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  GridRect Inset(int dx, int dy) const { return {left + dx, top + dy, right - dx, bottom - dy}; }
  bool Intersects(const GridRect& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  bool operator==(const GridRect&) const = default;
};
