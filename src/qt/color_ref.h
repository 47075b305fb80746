#pragma once
// Colours as the core keeps them: 0x00BBGGRR, and back.

#include <QColor>

#include <cstdint>

inline QColor ColorFromRef(std::uint32_t color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

inline std::uint32_t RefFromColor(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) |
         (static_cast<std::uint32_t>(color.green()) << 8) |
         (static_cast<std::uint32_t>(color.blue()) << 16);
}
