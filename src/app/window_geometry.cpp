#include "app/window_geometry.h"

#include <algorithm>

#include "platform/platform.h"

namespace {

constexpr int kLowScreenHeight = 600;
constexpr int kMargin = 50;
constexpr int kLowScreenMargin = 10;

int ScreenMargin(const PixelRect& workArea) {
  return workArea.Height() < kLowScreenHeight ? kLowScreenMargin : kMargin;
}

}  // namespace

PixelRect GetWindowFrame(const Dialog& window) { return window.GetItemRect(kWindowItem); }

void MoveWindowFrame(Dialog& window, const PixelRect& frame) {
  window.MoveItem(kWindowItem, frame);
}

PixelRect CenteredFrame(const PixelRect& frame, const PixelRect& over, const PixelRect& screen) {
  const int width = frame.Width();
  const int height = frame.Height();
  int left = over.left + (over.Width() - width) / 2;
  int top = over.top + (over.Height() - height) / 2;
  if (left + width > screen.right) left = screen.right - width;
  if (top + height > screen.bottom) top = screen.bottom - height;
  if (left < 0) left = 0;
  if (top < 0) top = 0;
  return {left, top, left + width, top + height};
}

void CenterWindow(Dialog& window, const Dialog* over) {
  const PixelRect workArea = App_Platform().WorkArea();
  const PixelRect target = over ? GetWindowFrame(*over) : workArea;
  MoveWindowFrame(window, CenteredFrame(GetWindowFrame(window), target, workArea));
}

PixelRect MainWindowFrame(const PixelRect& frame, const PixelRect& workArea) {
  const int margin = ScreenMargin(workArea);
  int width = frame.Width();
  if (width > workArea.Width()) width = workArea.Width() - margin;
  const int height = workArea.Height() - margin;
  return {frame.left, frame.top, frame.left + width, frame.top + height};
}

PixelRect WidenedFrame(const PixelRect& frame, int wanted, const PixelRect& workArea) {
  const int room = workArea.Width() - ScreenMargin(workArea);
  const int width = std::max(frame.Width(), std::min(frame.Width() + wanted, room));
  return {frame.left, frame.top, frame.left + width, frame.bottom};
}
