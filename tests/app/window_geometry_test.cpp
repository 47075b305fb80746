#include <gtest/gtest.h>

#include "app/window_geometry.h"

namespace {

bool SameRect(const PixelRect& a, const PixelRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct FrameCase {
  PixelRect frame;
  PixelRect workArea;
  int width;
  int height;
};

TEST(MainWindowFrameTest, TakesTheWorkAreaHeightLessAMargin) {
  const FrameCase cases[] = {
      {{0, 0, 910, 660}, {0, 0, 1280, 1024}, 910, 974},
      {{0, 0, 910, 660}, {0, 0, 1280, 600}, 910, 550},
      // A low screen leaves a smaller margin, also across.
      {{0, 0, 910, 660}, {0, 0, 800, 599}, 790, 589},
      {{0, 0, 1400, 300}, {0, 0, 1280, 1024}, 1230, 974},
      {{0, 0, 1280, 300}, {0, 40, 1280, 1024}, 1280, 934},
  };
  for (const FrameCase& c : cases) {
    const PixelRect frame = MainWindowFrame(c.frame, c.workArea);
    EXPECT_EQ(frame.Width(), c.width) << c.workArea.Width() << "x" << c.workArea.Height();
    EXPECT_EQ(frame.Height(), c.height) << c.workArea.Width() << "x" << c.workArea.Height();
  }
}

TEST(WidenedFrameTest, WidensAsFarAsTheWorkAreaLessItsMarginAllows) {
  struct Case {
    int width;
    int wanted;
    PixelRect workArea;
    int expected;
  };
  const Case cases[] = {
      {910, 45, {0, 0, 1280, 900}, 955},
      {910, 45, {0, 0, 940, 900}, 910},  // 890 allowed: never narrower than it was
      {910, 45, {0, 0, 1000, 900}, 950},
      {910, 45, {0, 0, 960, 599}, 950},  // a low screen's margin is 10
      {910, 0, {0, 0, 1280, 900}, 910},
      {910, -30, {0, 0, 1280, 900}, 910},
  };
  for (const Case& c : cases) {
    const PixelRect frame = WidenedFrame({100, 20, 100 + c.width, 700}, c.wanted, c.workArea);
    EXPECT_EQ(frame.Width(), c.expected) << c.workArea.Width() << " " << c.wanted;
    EXPECT_EQ(frame.left, 100);
    EXPECT_EQ(frame.Height(), 680);
  }
}

struct CenterCase {
  PixelRect frame;
  PixelRect over;
  PixelRect expected;
};

TEST(CenteredFrameTest, CentresAndStaysOnTheScreen) {
  const PixelRect screen{0, 0, 1280, 1024};
  const CenterCase cases[] = {
      {{0, 0, 200, 100}, {100, 100, 500, 300}, {200, 150, 400, 250}},
      {{0, 0, 200, 100}, screen, {540, 462, 740, 562}},
      // Over a window near the right and bottom edges: pulled back inside.
      {{0, 0, 400, 300}, {1100, 900, 1280, 1024}, {880, 724, 1280, 1024}},
      // Over a window partly left of and above the screen: pushed to the origin.
      {{0, 0, 400, 300}, {-300, -200, 100, 50}, {0, 0, 400, 300}},
      // Larger than the screen: the origin wins.
      {{0, 0, 1500, 1100}, screen, {0, 0, 1500, 1100}},
  };
  for (const CenterCase& c : cases) {
    const PixelRect got = CenteredFrame(c.frame, c.over, screen);
    EXPECT_TRUE(SameRect(got, c.expected))
        << got.left << "," << got.top << "," << got.right << "," << got.bottom;
  }
}

}  // namespace
