#include "qt/grid_key_map.h"

#include <Qt>

GridKey GridKeyFromQt(int qtKey, bool control) {
  if (control && qtKey == Qt::Key_Tab) return GridKey::CtrlTab;
  if (control && qtKey == Qt::Key_Backtab) return GridKey::CtrlShiftTab;
  switch (qtKey) {
    case Qt::Key_Down: return GridKey::Down;
    case Qt::Key_Up: return GridKey::Up;
    case Qt::Key_PageDown: return GridKey::PageDown;
    case Qt::Key_PageUp: return GridKey::PageUp;
    case Qt::Key_Return:
    case Qt::Key_Enter: return GridKey::Enter;
    case Qt::Key_Right: return GridKey::Right;
    case Qt::Key_Tab: return GridKey::Tab;
    case Qt::Key_Backtab: return GridKey::ShiftTab;
    case Qt::Key_Left: return GridKey::Left;
    case Qt::Key_Escape: return GridKey::Escape;
    case Qt::Key_Delete: return GridKey::Delete;
    case Qt::Key_Backspace: return GridKey::Backspace;
    default: break;
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
    return static_cast<GridKey>(static_cast<int>(GridKey::F1) + (qtKey - Qt::Key_F1));
  }
  return GridKey::Other;
}
