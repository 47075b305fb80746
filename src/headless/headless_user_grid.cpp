// The user's mouse and keyboard on the grid of a headless dialog.

#include <string>

#include "grid/grid_engine.h"
#include "headless/headless_dialog.h"
#include "headless/headless_user.h"

namespace {

std::string FindGrid(HeadlessDialog& dialog, GridTarget* target) {
  return FindGrid(dialog, ControlsOf(dialog), target);
}

// Scrolls as the user would with the scroll bars, then finds the cell's middle.
std::string Locate(GridEngine& grid, int row, int col, int* x, int* y) {
  const GridScroll scroll = [&grid](bool vertical, int position) {
    if (vertical) {
      grid.ScrollVertical(GridScrollAction::ThumbTrack, position);
    } else {
      grid.ScrollHorizontal(GridScrollAction::ThumbTrack, position);
    }
  };
  return LocateCell(grid, row, col, scroll, x, y);
}

// One code point of UTF-8; a byte that starts no valid sequence stands alone.
char32_t NextCodePoint(std::string_view text, std::size_t* at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(*at);
  int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : 0;
  if (lead >= 0xF5 || lead < 0xC2) extra = 0;
  if (*at + static_cast<std::size_t>(extra) >= text.size()) extra = 0;
  char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    if ((byte(*at + static_cast<std::size_t>(i)) & 0xC0) != 0x80) {
      extra = 0;
      code = lead;
      break;
    }
    code = (code << 6) | (byte(*at + static_cast<std::size_t>(i)) & 0x3F);
  }
  *at += 1 + static_cast<std::size_t>(extra);
  return code;
}

void SendCommand(HeadlessDialog& dialog, int id) {
  DialogEvent event;
  event.kind = DialogEventKind::kCommand;
  event.id = id;
  event.code = kNotifyClicked;
  dialog.Send(event);
}

int DefaultButton(const HeadlessDialog& dialog) {
  for (const HeadlessControl& control : dialog.Controls())
    if (control.kind == ControlKind::kDefaultButton) return control.id;
  return kIdOk;
}

}  // namespace

std::string UserClickCell(HeadlessDialog& dialog, int row, int col) {
  GridTarget grid;
  int x = 0, y = 0;
  if (std::string why = FindGrid(dialog, &grid); !why.empty()) return why;
  if (std::string why = Locate(*grid.engine, row, col, &x, &y); !why.empty()) return why;
  grid.engine->MouseDown(x, y, GridMouseButton::Left);
  grid.engine->MouseUp(x, y);
  return {};
}

std::string UserDoubleClickCell(HeadlessDialog& dialog, int row, int col) {
  if (std::string why = UserClickCell(dialog, row, col); !why.empty()) return why;
  GridTarget grid;
  int x = 0, y = 0;
  // The first click may have refilled the grid.
  if (std::string why = FindGrid(dialog, &grid); !why.empty()) return why;
  if (std::string why = Locate(*grid.engine, row, col, &x, &y); !why.empty()) return why;
  grid.engine->DoubleClick(x, y);
  grid.engine->MouseUp(x, y);
  return {};
}

std::string UserRightClickCell(HeadlessDialog& dialog, int row, int col) {
  GridTarget grid;
  int x = 0, y = 0;
  if (std::string why = FindGrid(dialog, &grid); !why.empty()) return why;
  if (std::string why = Locate(*grid.engine, row, col, &x, &y); !why.empty()) return why;
  grid.engine->MouseDown(x, y, GridMouseButton::Right);
  grid.engine->ContextMenu();
  return {};
}

std::string UserType(HeadlessDialog& dialog, std::string_view text) {
  GridTarget grid;
  if (std::string why = FindGrid(dialog, &grid); !why.empty()) return why;
  dialog.SetFocusItem(grid.id);
  for (std::size_t at = 0; at < text.size();) grid.engine->Char(NextCodePoint(text, &at));
  return {};
}

std::string UserKey(HeadlessDialog& dialog, GridKey key) {
  GridTarget grid;
  if (std::string why = FindGrid(dialog, &grid); !why.empty()) {
    if (key == GridKey::Escape) {
      SendCommand(dialog, kIdCancel);
      return {};
    }
    if (key == GridKey::Enter) {
      SendCommand(dialog, DefaultButton(dialog));
      return {};
    }
    return why;
  }
  dialog.SetFocusItem(grid.id);
  if (!grid.engine->WantsKey(key)) {
    SendCommand(dialog, kIdCancel);
    return {};
  }
  grid.engine->KeyDown(key);
  return {};
}
