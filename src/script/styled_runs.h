#pragma once
// Formatted text as runs of equally styled characters.

#include <vector>

#include "platform/dialog.h"

// A stretch of characters of one style, counted in characters.
struct StyledRun {
  int start = 0;
  int length = 0;
  TextStyle style;
};

bool SameStyle(const TextStyle& a, const TextStyle& b);
// Every character's style merged into runs covering the whole text.
std::vector<StyledRun> MergeStyles(const std::vector<TextStyle>& perChar);
