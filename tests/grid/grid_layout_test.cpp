#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "grid_fixture.h"

namespace {

using GridLayout = GridFixture;

TEST_F(GridLayout, TitleHeightFollowsLinesAndTheLengthLimit) {
  std::string accented;
  for (int i = 0; i < 300; ++i) accented += "\xC3\xA9";
  const std::string tooLong = "Title too long (300 chars max)";
  const std::tuple<std::string, std::string, int> cases[] = {  // 20-pixel font x 1.2 a line
      {"", "", 0}, {"Herd", "Herd", 24}, {"a\nb\nc", "a\nb\nc", 72}, {accented, accented, 24},
      {std::string(301, 'x'), tooLong, 24}, {accented + "\xC3\xA9", tooLong, 24}};
  for (const auto& [text, title, height] : cases) {
    grid.SetTitle(text);
    EXPECT_EQ(grid.State().title, title);
    EXPECT_EQ(grid.State().titleHeight, height) << text.substr(0, 20);
  }
}

TEST_F(GridLayout, DimensionsAreClampedAndPullTheCursorBack) {
  const std::pair<Values, Values> cases[] = {  // rows and columns asked for; what they and the cursor become
      {{40, 0}, {40, 1, 40, 1}},         {{40, 300}, {40, 256, 40, 200}}, {{40000, 5}, {32000, 5, 50, 5}},
      {{-3, -3}, {0, 1, 1, 1}},          {{0, 256}, {0, 256, 1, 200}},    {{60, 200}, {60, 200, 50, 200}}};
  for (const auto& [asked, after] : cases) {
    Send(GM_SETDIMENSIONS, 100, 255);
    Send(GM_SETCURSOR, 50, 200);
    Send(GM_SETDIMENSIONS, static_cast<std::uintptr_t>(asked[0]), asked[1]);
    EXPECT_EQ(Ask({GM_GETROWS, GM_GETCOLS, GM_GETCURSORROW, GM_GETCURSORCOL}), after)
        << asked[0] << "," << asked[1];
  }
  Send(GM_SETDIMENSIONS, 20, 6);
  Send(GM_SETCURSOR, 4, 3);
  for (const auto& [row, col] : std::vector<std::pair<int, int>>{{0, 3}, {21, 3}, {4, 0}, {4, 7}}) {
    Send(GM_SETCURSOR, static_cast<std::uintptr_t>(row), col);
    EXPECT_EQ(Ask({GM_GETCURSORROW, GM_GETCURSORCOL}), (Values{4, 3})) << row << "," << col;
  }
}

TEST_F(GridLayout, MovingTheCursorScrollsItIntoView) {
  // Ten 19-pixel rows below the 21-pixel heading; column 0 and four 50-pixel columns.
  grid.Resize(250, 21 + 10 * 19);
  Send(GM_SETCURSOR, 50, 10);
  EXPECT_EQ(Send(GM_GETTOPLEFT), 41 | (7 << 16));
  EXPECT_EQ(grid.VerticalScrollBar().pos, 41);
  Send(GM_SETCURSOR, 45, 8);  // already in view
  EXPECT_EQ(Send(GM_GETTOPLEFT), 41 | (7 << 16));
  Send(GM_SETCURSOR, 5, 2);
  EXPECT_EQ(Send(GM_GETTOPLEFT), 5 | (2 << 16));
  Send(GM_SETROWHEIGHT, 38);  // five rows fit now
  Send(GM_SETCURSOR, 12, 2);
  EXPECT_EQ(Send(GM_GETTOPLEFT), 8 | (2 << 16));
  Send(GM_SETTOPLEFT, 0, 300 | (9 << 16));
  EXPECT_EQ(Send(GM_GETTOPLEFT), 300 | (9 << 16));
  // A left column beyond the last column would index past the width table.
  Send(GM_SETTOPLEFT, 0, 0 | (0xFFFF << 16));
  EXPECT_EQ(Send(GM_GETTOPLEFT), 1 | (256 << 16));
}

TEST_F(GridLayout, ColumnSettingsIgnoreBadColumns) {
  const Values widths[] = {  // column, width asked, width after
      {0, 0, 0}, {256, 80, 80}, {3, 75, 75}, {3, -1, 75}, {257, 10, 0}, {-1, 10, 0}};
  for (const auto& c : widths) {
    Send(GM_SETCOLWIDTH, static_cast<std::uintptr_t>(c[0]), c[1]);
    EXPECT_EQ(Send(GM_GETCOLWIDTH, static_cast<std::uintptr_t>(c[0])), c[2]) << c[0];
  }
  Send(GM_SETCOLWIDTH, 4, 0);
  EXPECT_EQ(grid.State().visibleCols, 254);  // column 256 lies beyond the 255 columns

  const auto& maxChars = grid.State().colMaxChars;
  Send(GM_SETCOLMAXCHARS, 257, 9);
  Send(GM_SETCOLMAXCHARS, static_cast<std::uintptr_t>(-1), 9);
  EXPECT_EQ(std::count(maxChars.begin(), maxChars.end(), 9), 0);
  const Values limits[] = {{2, 8, 8}, {2, 0, 32}, {2, 500, 304}, {0, 5, 5}, {256, 7, 7}};
  for (const auto& c : limits) {
    Send(GM_SETCOLMAXCHARS, static_cast<std::uintptr_t>(c[0]), c[1]);
    EXPECT_EQ(maxChars[static_cast<std::size_t>(c[0])], c[2]) << c[0] << "=" << c[1];
  }
}

TEST_F(GridLayout, AutoWidthFitsTheColumnToTheStoredText) {
  Send(GM_SETCOLAUTOWIDTH, 1);
  // 7 pixels a character; cell font 16 pixels high, heading font 18; 5 pixels more.
  const std::tuple<int, const char*, std::intptr_t, Values> cases[] = {  // width, then row and heading height
      {4, "ab\nlonger line", 11 * 7 + 5, {21, 21}},       // ellipsis on: one line high
      {4, "ab\r\nlonger line", 82, {2 * 16 + 5, 21}},     // ellipsis off from here
      {0, "Cost\nper head", 8 * 7 + 5, {37, 2 * 18 + 5}},  // headings count every line
      {5, "a", 1 * 7 + 5, {37, 41}}};                      // narrower too, but rows never shrink
  for (const auto& [row, text, width, heights] : cases) {
    Set(row, 2, text);
    EXPECT_EQ(Send(GM_GETCOLWIDTH, 2), width) << text;
    EXPECT_EQ(Ask({GM_GETROWHEIGHT, GM_GETHEADERHEIGHT}), heights) << text;
    Send(GM_SETELLIPSIS, 0);
  }
  Send(GM_SETCOLAUTOWIDTH, 0);
  Set(5, 2, "a much longer text");
  EXPECT_EQ(Send(GM_GETCOLWIDTH, 2), 12);
}

}  // namespace
