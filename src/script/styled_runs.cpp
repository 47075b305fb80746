#include "script/styled_runs.h"

bool SameStyle(const TextStyle& a, const TextStyle& b) {
  return a.bold == b.bold && a.italic == b.italic && a.autoColor == b.autoColor &&
         (a.autoColor || a.color == b.color);
}

std::vector<StyledRun> MergeStyles(const std::vector<TextStyle>& perChar) {
  std::vector<StyledRun> runs;
  for (std::size_t i = 0; i < perChar.size(); ++i) {
    if (!runs.empty() && SameStyle(runs.back().style, perChar[i])) {
      ++runs.back().length;
    } else {
      runs.push_back({static_cast<int>(i), 1, perChar[i]});
    }
  }
  return runs;
}
