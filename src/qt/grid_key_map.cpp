#include "qt/grid_key_map.h"

namespace {

struct KeyPair {
  Qt::Key qt;
  GridKey grid;
  Qt::KeyboardModifiers held = Qt::NoModifier;
};

// The first pair of a grid key is what the keyboard sends for it. A pair that
// needs Control comes before the same key without it.
const KeyPair kKeys[] = {
    {Qt::Key_Tab, GridKey::CtrlTab, Qt::ControlModifier},
    {Qt::Key_Backtab, GridKey::CtrlShiftTab, Qt::ControlModifier | Qt::ShiftModifier},
    {Qt::Key_Down, GridKey::Down},
    {Qt::Key_Up, GridKey::Up},
    {Qt::Key_PageDown, GridKey::PageDown},
    {Qt::Key_PageUp, GridKey::PageUp},
    {Qt::Key_Return, GridKey::Enter},
    {Qt::Key_Enter, GridKey::Enter},
    {Qt::Key_Right, GridKey::Right},
    {Qt::Key_Tab, GridKey::Tab},
    // Shift+Tab arrives as Backtab with Shift held.
    {Qt::Key_Backtab, GridKey::ShiftTab, Qt::ShiftModifier},
    {Qt::Key_Left, GridKey::Left},
    {Qt::Key_Escape, GridKey::Escape},
    {Qt::Key_Delete, GridKey::Delete},
    {Qt::Key_Backspace, GridKey::Backspace},
};

constexpr int kFunctionKeys = 12;

}  // namespace

GridKey GridKeyFromQt(int qtKey, bool control) {
  for (const KeyPair& pair : kKeys) {
    if (pair.qt == qtKey && (control || !(pair.held & Qt::ControlModifier))) return pair.grid;
  }
  if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeys) {
    return static_cast<GridKey>(static_cast<int>(GridKey::F1) + (qtKey - Qt::Key_F1));
  }
  return GridKey::Other;
}

Qt::Key QtKeyOf(GridKey key, Qt::KeyboardModifiers* modifiers) {
  *modifiers = Qt::NoModifier;
  for (const KeyPair& pair : kKeys) {
    if (pair.grid != key) continue;
    *modifiers = pair.held;
    return pair.qt;
  }
  const int function = static_cast<int>(key) - static_cast<int>(GridKey::F1);
  if (function >= 0 && function < kFunctionKeys) return static_cast<Qt::Key>(Qt::Key_F1 + function);
  return Qt::Key_unknown;
}
