#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <vector>

#include "grid_view_fixture.h"

namespace {

using GridTyping = GridViewFixture;
constexpr int B = GN_EDITBEGIN, E = GN_EDITEND, R = GN_ROWCHANGED, C = GN_COLCHANGED, S = GN_SELCHANGE;

TEST_F(GridTyping, TypedTextReplacesTheCellWhenTheCursorLeaves) {
  Set(4, 2, "300");
  Send(GM_SETCURSOR, 4, 2);
  Type("12");
  EXPECT_EQ(Get(4, 2), "300");
  grid.KeyDown(GridKey::Down);
  EXPECT_EQ(Get(4, 2), "12");
  EXPECT_EQ(Notes(), (std::vector<Note>{{B, 4, 2}, {E, 4, 2}, {R, 5, 2}, {S, 5, 2}}));
  // An edit starts empty, so a lone backspace empties the cell.
  grid.KeyDown(GridKey::Up);
  grid.KeyDown(GridKey::Backspace);
  grid.KeyDown(GridKey::Down);
  EXPECT_EQ(Get(4, 2), "");
}

TEST_F(GridTyping, EveryWayOfLeavingStoresTheEditFirstButEscape) {
  struct Way {
    std::function<void()> leave;
    std::vector<int> codes;
    const char* stored;
  };
  const std::vector<Way> ways = {
      {[&] { grid.KeyDown(GridKey::Enter); }, {B, E, R, S, C, S}, "7"},
      {[&] { grid.KeyDown(GridKey::Up); }, {B, E}, "7"},
      {[&] { grid.Char(U'\r'); }, {B, E, R, S}, "7"},
      {[&] { grid.FocusOut(); }, {B, E, GN_LOSTFOCUS}, "7"},
      {[&] { grid.MouseDown(60, kRow1 + 5, GridMouseButton::Left); }, {B, E, GN_CELLCLICKED, C, S}, "7"},
      {[&] { grid.KeyDown(GridKey::Escape); }, {B, E}, "300"},
  };
  for (std::size_t i = 0; i < ways.size(); ++i) {
    grid.FocusIn();
    Set(1, 2, "300");
    Send(GM_SETCURSOR, 1, 2);
    Notes();
    EXPECT_FALSE(grid.WantsKey(GridKey::Escape)) << i;
    Type("7");
    EXPECT_TRUE(grid.WantsKey(GridKey::Escape)) << i;
    ways[i].leave();
    EXPECT_EQ(Get(1, 2), ways[i].stored) << i;
    EXPECT_EQ(Codes(), ways[i].codes) << i;
  }
}

TEST_F(GridTyping, TheBufferTakesEveryPrintableCharacterUpToTheColumnLimit) {
  // Controls, C1 controls, lone surrogates, beyond Unicode, and "~" first (it
  // would make an owner-drawn cell) start nothing.
  for (char32_t ignored : {U'~', U'\x1f', U'\t', U'\x7f', U'\x85', char32_t{0xD800}, char32_t{0x110000}})
    grid.Char(ignored);
  EXPECT_TRUE(Notes().empty());
  Send(GM_SETCOLMAXCHARS, 1, 8);
  for (char32_t c : std::u32string_view(U" }\u00e9~\u20ac\U0001D11E5678X")) grid.Char(c);
  // The limit counts characters, not bytes.
  EXPECT_EQ(grid.State().editBuffer, " }\u00e9~\u20ac\U0001D11E56");
  EXPECT_EQ(host.beeps, 3);
  Type("\b9\b\b\b");  // the last backspace takes all four bytes of the clef
  grid.Char(U'\u00fb');
  EXPECT_EQ(grid.State().editBuffer, " }\u00e9~\u20ac\u00fb");
  grid.KeyDown(GridKey::Down);
  EXPECT_EQ(Get(1, 1), " }\u00e9~\u20ac\u00fb");
}

TEST_F(GridTyping, F2EditsTheCellsTextAndDeleteEmptiesIt) {
  constexpr int D = GN_DELETEKEY, F2 = GN_F1 + 1;
  Set(2, 1, "Steer calfs");
  Send(GM_SETCURSOR, 2, 1);
  Notes();
  grid.KeyDown(GridKey::F2);
  EXPECT_EQ(grid.State().editBuffer, "Steer calfs");
  Type("\b\bves");
  grid.KeyDown(GridKey::F2);  // again while editing: the edit goes on
  grid.KeyDown(GridKey::Delete);  // nothing stands after the caret
  grid.KeyDown(GridKey::Enter);
  EXPECT_EQ(Get(2, 1), "Steer calves");
  EXPECT_EQ(Notes(), (std::vector<Note>{{F2, 2, 1}, {B, 2, 1}, {F2, 2, 1}, {D, 2, 1}, {E, 2, 1},
                                        {R, 3, 1}, {S, 3, 1}, {C, 3, 1}, {S, 3, 1}}));
  // Delete stores an empty text, as a backspace and leaving the cell would.
  Set(3, 1, "300");
  grid.KeyDown(GridKey::Delete);
  EXPECT_EQ(Get(3, 1), "");
  EXPECT_EQ(Notes(), (std::vector<Note>{{D, 3, 1}, {B, 3, 1}, {E, 3, 1}}));
  grid.KeyDown(GridKey::Delete);  // nothing left to empty
  EXPECT_EQ(Codes(), std::vector<int>{D});
  // A protected cell only tells of the keys.
  Send(GM_SETPROTECTDEFAULT, 1);
  Set(3, 1, "Total");
  grid.KeyDown(GridKey::F2);
  grid.KeyDown(GridKey::Delete);
  EXPECT_EQ(Get(3, 1), "Total");
  EXPECT_FALSE(grid.State().editing);
  EXPECT_EQ(Codes(), (std::vector<int>{F2, D}));
}

TEST_F(GridTyping, CtrlTabLeavesTheGridEitherWay) {
  Send(GM_SETCURSOR, 2, 2);
  Notes();
  grid.KeyDown(GridKey::CtrlTab);
  grid.KeyDown(GridKey::CtrlShiftTab);
  grid.KeyDown(GridKey::CtrlTab, true);
  EXPECT_EQ(host.focusMoves, (std::vector<bool>{true, false, false}));
  EXPECT_EQ(Cursor(), std::make_pair(2, 2));
  EXPECT_TRUE(Notes().empty());
}

TEST_F(GridTyping, ProtectedCellsAndClosedGridsIgnoreKeysSilently) {
  Send(GM_SETPROTECTDEFAULT, 1);
  Set(1, 1, "Total");
  Send(GM_SETPROTECTDEFAULT, 0);
  Type("5\b\r");
  Send(GM_SETCURSOR, 1, 2);
  Send(GM_SETEDITABLE, 0);
  Type("5\b");
  Send(GM_SETEDITABLE, 1);
  Send(GM_CLEAR);
  Type("5\b");
  EXPECT_TRUE(Notes().empty());
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(grid.Cells().Size(), 0u);
}

TEST_F(GridTyping, TheParentMayRewriteTheGridWhenTheEditEnds) {
  host.onNotify = [&](int code) {
    if (code == E) Send(GM_SETDIMENSIONS, 3, 6);
  };
  Send(GM_SETCURSOR, 3, 1);
  Type("42");
  grid.KeyDown(GridKey::Down);
  EXPECT_EQ(Cursor(), std::make_pair(3, 1));
  EXPECT_EQ(Codes(), (std::vector<int>{B, E}));
}

TEST_F(GridTyping, TheCaretStandsRightOfTheTextWhileTheCellIsShown) {
  grid.FocusIn();
  Send(GM_SETCURSOR, 2, 3);
  EXPECT_FALSE(grid.Caret().visible);
  Type("1");
  // Cell (2, 3) spans x 150..200 and y 40..59; the edit box is 2 pixels inside.
  EXPECT_EQ(grid.Caret(), (GridCaret{true, true, 198 - 4, 42, 16}));
  grid.ScrollVertical(GridScrollAction::PageForward);
  EXPECT_FALSE(grid.Caret().visible);
  grid.ScrollVertical(GridScrollAction::PageBack);
  EXPECT_TRUE(grid.Caret().visible);
  grid.FocusOut();
  EXPECT_FALSE(grid.Caret().created || grid.Caret().visible);
}

}  // namespace
