#pragma once
// How the windows with a tab strip over their grid follow their size.

#include <span>

#include "platform/dialog.h"

struct TabbedWindowLayout {
  int gridGap;      // the grid's bottom lies this many character widths above the client's
  int textHeight;   // the instructions' height, in character widths
  std::span<const int> boxes;  // edit boxes placed below the grid, with their labels
  std::span<const int> labels;
};

// The tab strip fills the client less its margin on each side; the grid keeps its
// corner and fills the width less 4 character widths; the instructions and the
// button follow one width below the grid, the boxes two margins below it.
void LayOutTabbedWindow(Dialog& dialog, const TabbedWindowLayout& layout);
