#pragma once
// Reads the small Rich Text subset the program writes (paragraphs, alignment,
// tab stops, bold, italic, underline, font size) into styled runs for display.
// Anything else is skipped; no input can make it read past the text.

#include <string>
#include <string_view>
#include <vector>

struct RtfRun {
  std::string text;  // UTF-8; "\t" for a tab
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int halfPoints = 24;
};

enum class RtfAlignment { kLeft, kCenter, kRight };

struct RtfParagraph {
  RtfAlignment alignment = RtfAlignment::kLeft;
  std::vector<int> tabStops;  // twips from the left margin
  std::vector<RtfRun> runs;
};

bool LooksLikeRtf(std::string_view text);
std::vector<RtfParagraph> ReadRtf(std::string_view rtf);
