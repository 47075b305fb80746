#pragma once
// Colours as the core keeps them: 0x00BBGGRR.

#include <QColor>

#include <cstdint>

inline QColor ColorFromRef(std::uint32_t color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}
