#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixture.h"

namespace {

using GridLayout = GridFixture;

TEST(GridCreation, StartsWithTheDefaultsAndTheGivenTitle) {
  RecordingGridHost host;
  GridEngine grid(12, host, "Cow-calf budget");
  const GridState& s = grid.State();
  EXPECT_EQ(grid.ControlId(), 12);
  EXPECT_EQ(s.rows, 100);
  EXPECT_EQ(s.cols, 255);
  EXPECT_EQ(s.title, "Cow-calf budget");
  EXPECT_EQ(s.titleHeight, 24);  // 20-pixel title font x 1.2
  EXPECT_EQ(s.colWidths[0], 50);
  EXPECT_EQ(s.colWidths[255], 50);
  EXPECT_EQ(s.colWidths[256], 0);
  EXPECT_EQ(s.colMaxChars[0], 0);
  EXPECT_EQ(s.colMaxChars[1], 32);
  EXPECT_EQ(s.colMaxChars[256], 0);
  EXPECT_EQ(s.visibleCols, 255);
  EXPECT_TRUE(host.notifications.empty());
}

TEST_F(GridLayout, TitleHeightFollowsLinesAndTheLengthLimit) {
  struct Case {
    std::string text;
    std::string title;
    int height;
  };
  std::string accented;
  for (int i = 0; i < 300; ++i) accented += "\xC3\xA9";
  const std::string tooLong = "Title too long (300 chars max)";
  const std::vector<Case> cases = {
      {"", "", 0},
      {"Herd", "Herd", 24},
      {"Herd\nSummary", "Herd\nSummary", 48},
      {"a\nb\nc", "a\nb\nc", 72},
      {std::string(300, 'x'), std::string(300, 'x'), 24},
      {accented, accented, 24},
      {std::string(301, 'x'), tooLong, 24},
      {accented + "\xC3\xA9", tooLong, 24},
  };
  for (const auto& c : cases) {
    grid.SetTitle(c.text);
    EXPECT_EQ(grid.State().title, c.title);
    EXPECT_EQ(grid.State().titleHeight, c.height) << c.text.substr(0, 20);
  }
}

TEST_F(GridLayout, DimensionsAreClampedAndPullTheCursorBack) {
  struct Case {
    std::intptr_t rows, cols;
    int wantRows, wantCols, cursorRow, cursorCol;
  };
  const std::vector<Case> cases = {
      {40, 0, 40, 1, 40, 1},          {40, 300, 40, 256, 40, 200},
      {40000, 5, 32000, 5, 50, 5},    {-3, -3, 0, 1, 1, 1},
      {0, 256, 0, 256, 1, 200},       {60, 200, 60, 200, 50, 200},
  };
  for (const auto& c : cases) {
    Send(GM_SETDIMENSIONS, 100, 255);
    Send(GM_SETCURSOR, 50, 200);
    Send(GM_SETDIMENSIONS, static_cast<std::uintptr_t>(c.rows), c.cols);
    EXPECT_EQ(Send(GM_GETROWS), c.wantRows) << c.rows << "x" << c.cols;
    EXPECT_EQ(Send(GM_GETCOLS), c.wantCols) << c.rows << "x" << c.cols;
    EXPECT_EQ(Send(GM_GETCURSORROW), c.cursorRow) << c.rows << "x" << c.cols;
    EXPECT_EQ(Send(GM_GETCURSORCOL), c.cursorCol) << c.rows << "x" << c.cols;
  }
}

TEST_F(GridLayout, CursorMovesOnlyInsideTheDataCells) {
  Send(GM_SETDIMENSIONS, 20, 6);
  Send(GM_SETCURSOR, 4, 3);
  for (const auto& [row, col] : std::vector<std::pair<int, int>>{{0, 3}, {21, 3}, {4, 0}, {4, 7}, {-1, -1}}) {
    Send(GM_SETCURSOR, static_cast<std::uintptr_t>(row), col);
    EXPECT_EQ(Send(GM_GETCURSORROW), 4);
    EXPECT_EQ(Send(GM_GETCURSORCOL), 3);
  }
  Send(GM_SETCURSOR, 20, 6);
  EXPECT_EQ(Send(GM_GETCURSORROW), 20);
  EXPECT_EQ(Send(GM_GETCURSORCOL), 6);
  EXPECT_TRUE(host.notifications.empty());
}

TEST_F(GridLayout, MovingTheCursorScrollsItIntoView) {
  // Ten 19-pixel rows below the 21-pixel heading; column 0 and four 50-pixel columns.
  grid.Resize(250, 21 + 10 * 19);
  Send(GM_SETCURSOR, 50, 10);
  EXPECT_EQ(Send(GM_GETTOPLEFT), 41 | (7 << 16));
  Send(GM_SETCURSOR, 45, 8);  // already in view
  EXPECT_EQ(Send(GM_GETTOPLEFT), 41 | (7 << 16));
  Send(GM_SETCURSOR, 5, 2);
  EXPECT_EQ(Send(GM_GETTOPLEFT), 5 | (2 << 16));

  Send(GM_SETROWHEIGHT, 0);
  EXPECT_EQ(Send(GM_GETROWHEIGHT), 1);
  Send(GM_SETROWHEIGHT, 38);  // five rows fit now
  Send(GM_SETCURSOR, 12, 2);
  EXPECT_EQ(Send(GM_GETTOPLEFT), 8 | (2 << 16));
}

TEST_F(GridLayout, TopLeftTravelsInOneNumber) {
  Send(GM_SETTOPLEFT, 0, 300 | (9 << 16));
  EXPECT_EQ(Send(GM_GETTOPLEFT), 300 | (9 << 16));
  EXPECT_EQ(grid.State().topRow, 300);
  EXPECT_EQ(grid.State().leftCol, 9);
  // A left column beyond the last column would index past the width table.
  Send(GM_SETTOPLEFT, 0, 0 | (0xFFFF << 16));
  EXPECT_EQ(grid.State().topRow, 1);
  EXPECT_EQ(grid.State().leftCol, 256);
}

TEST_F(GridLayout, ColumnSettingsIgnoreBadColumns) {
  struct Case {
    std::intptr_t col, value;
    int wantWidth;  // of the column when in range
  };
  const std::vector<Case> widths = {{0, 0, 0}, {256, 80, 80}, {3, 75, 75}, {3, -1, 75}};
  for (const auto& c : widths) {
    Send(GM_SETCOLWIDTH, static_cast<std::uintptr_t>(c.col), c.value);
    EXPECT_EQ(Send(GM_GETCOLWIDTH, static_cast<std::uintptr_t>(c.col)), c.wantWidth);
  }
  Send(GM_SETCOLWIDTH, 257, 10);
  Send(GM_SETCOLWIDTH, static_cast<std::uintptr_t>(-1), 10);
  EXPECT_EQ(Send(GM_GETCOLWIDTH, 257), 0);
  EXPECT_EQ(Send(GM_GETCOLWIDTH, static_cast<std::uintptr_t>(-1)), 0);
  Send(GM_SETCOLWIDTH, 4, 0);
  EXPECT_EQ(grid.State().visibleCols, 254);  // column 256 lies beyond the 255 columns

  const std::vector<Case> maxChars = {{2, 8, 8}, {2, 0, 32}, {2, 500, 304}, {0, 5, 5}, {256, 7, 7}};
  for (const auto& c : maxChars) {
    Send(GM_SETCOLMAXCHARS, static_cast<std::uintptr_t>(c.col), c.value);
    EXPECT_EQ(grid.State().colMaxChars[static_cast<std::size_t>(c.col)], c.wantWidth);
  }
  const auto before = grid.State().colMaxChars;
  Send(GM_SETCOLMAXCHARS, 257, 9);
  Send(GM_SETCOLMAXCHARS, static_cast<std::uintptr_t>(-1), 9);
  EXPECT_EQ(grid.State().colMaxChars, before);
}

TEST_F(GridLayout, RepaintBeepsAndUnknownMessagesAnswerZero) {
  const int invalidations = host.invalidations;
  EXPECT_EQ(Send(GM_REPAINT), 0);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(host.invalidations, invalidations + 1);
  for (unsigned message : {0u, 1024u, 1072u, 0xFFFFu}) EXPECT_EQ(Send(message, 5, 5), 0);
  EXPECT_TRUE(host.notifications.empty());
}

TEST_F(GridLayout, AutoWidthFitsTheColumnToTheStoredText) {
  Send(GM_SETCOLAUTOWIDTH, 1);
  // 7 pixels a character; cell font 16 pixels high, heading font 18.
  Set(3, 2, "Hello");
  EXPECT_EQ(Send(GM_GETCOLWIDTH, 2), 5 * 7 + 5);
  EXPECT_EQ(Send(GM_GETROWHEIGHT), 16 + 5);

  Set(4, 2, "ab\nlonger line");  // ellipsis on: one line high
  EXPECT_EQ(Send(GM_GETCOLWIDTH, 2), 11 * 7 + 5);
  EXPECT_EQ(Send(GM_GETROWHEIGHT), 21);

  Send(GM_SETELLIPSIS, 0);
  Set(4, 2, "ab\r\nlonger line");
  EXPECT_EQ(Send(GM_GETROWHEIGHT), 2 * 16 + 5);

  Set(0, 3, "Cost\nper head");  // headings always count every line
  EXPECT_EQ(Send(GM_GETCOLWIDTH, 3), 8 * 7 + 5);
  EXPECT_EQ(Send(GM_GETHEADERHEIGHT), 2 * 18 + 5);

  Set(5, 2, "a");  // narrower too, but rows never shrink
  EXPECT_EQ(Send(GM_GETCOLWIDTH, 2), 1 * 7 + 5);
  EXPECT_EQ(Send(GM_GETROWHEIGHT), 37);
  EXPECT_EQ(Send(GM_GETHEADERHEIGHT), 41);

  Send(GM_SETCOLAUTOWIDTH, 0);
  Set(5, 2, "a much longer text");
  EXPECT_EQ(Send(GM_GETCOLWIDTH, 2), 12);
}

}  // namespace
