// The Rich Text the program writes, read back into styled runs.

#include <gtest/gtest.h>

#include "text/rtf_reader.h"

namespace {

std::string PlainText(const std::vector<RtfParagraph>& paragraphs) {
  std::string text;
  for (const RtfParagraph& paragraph : paragraphs) {
    if (!text.empty()) text += '\n';
    for (const RtfRun& run : paragraph.runs) text += run.text;
  }
  return text;
}

}  // namespace

TEST(RtfReaderTest, ReadsTheAnalysisHeaderAndTable) {
  const std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang103{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
      "\\plain\\fs20\\qc Breakeven Prices\\par\r\n"
      "\\viewkind4\\uc1\\pard\\tx2800\\tx3800\\f0\\fs16\r\n"
      "\\ul Cost Category\\ulnone \\tab \\ul 9.5\\ulnone\\par\r\n"
      "\\i Enter $/Unit (Price) in table\\i0\\par\r\n"
      "\\par}\n";
  const std::vector<RtfParagraph> paragraphs = ReadRtf(rtf);
  ASSERT_EQ(paragraphs.size(), 4u);
  EXPECT_EQ(paragraphs[0].alignment, RtfAlignment::kCenter);
  EXPECT_EQ(paragraphs[0].runs[0].halfPoints, 20);
  EXPECT_EQ(paragraphs[1].alignment, RtfAlignment::kLeft);
  EXPECT_EQ(paragraphs[1].tabStops, (std::vector<int>{2800, 3800}));
  ASSERT_EQ(paragraphs[1].runs.size(), 3u);
  EXPECT_TRUE(paragraphs[1].runs[0].underline);
  EXPECT_EQ(paragraphs[1].runs[0].text, "Cost Category");
  EXPECT_EQ(paragraphs[1].runs[1].text, "\t");
  EXPECT_EQ(paragraphs[1].runs[0].halfPoints, 16);
  EXPECT_TRUE(paragraphs[2].runs[0].italic);
  EXPECT_TRUE(paragraphs[3].runs.empty());
  EXPECT_EQ(PlainText(paragraphs), "Breakeven Prices\nCost Category\t9.5\nEnter $/Unit (Price) in table\n");
}

TEST(RtfReaderTest, TextEscapesAndEncodings) {
  struct Case {
    const char* rtf;
    const char* text;
  };
  const Case cases[] = {
      {"{\\rtf1 a\\\\b\\{c\\}}", "a\\b{c}"},
      {"{\\rtf1 caf\\'e9}", "caf\xC3\xA9"},               // Windows code page escape
      {"{\\rtf1 caf\xC3\xA9}", "caf\xC3\xA9"},            // UTF-8 names as written
      {"{\\rtf1 caf\xE9}", "caf\xC3\xA9"},                // an older file's code page
      {"{\\rtf1 \\u8364?5}", "\xE2\x82\xAC" "5"},         // Unicode with its stand-in
      {"{\\rtf1 a{\\*\\generator x;}b}", "ab"},           // ignorable destinations
      {"{\\rtf1 \\u-10188?\\u-8930?!}", "\xF0\x9D\x84\x9E!"},  // two halves of one character
      {"{\\rtf1 \\u55348?x}", "\xEF\xBF\xBDx"},         // a half alone is no character
      {"{\\rtf1 \\u56606?\\ul x}", "\xEF\xBF\xBDx"},
      {"{\\rtf1 x\\line y}", "x\ny"},
      {"{\\rtf1 \\b on\\b0 off}", "onoff"},
  };
  for (const Case& c : cases) EXPECT_EQ(PlainText(ReadRtf(c.rtf)), c.text) << c.rtf;
}

TEST(RtfReaderTest, BrokenInputEndsQuietly) {
  const char* inputs[] = {"{\\rtf1 \\", "{\\rtf1 \\'", "{\\rtf1 \\'4", "}}}}x{{{", "{\\rtf1 \\fs99999999999999 big",
                          "{\\rtf1 \\u-", "{\\rtf1 \\uc9999\\u65 A", ""};
  for (const char* input : inputs) EXPECT_NO_FATAL_FAILURE(ReadRtf(input)) << input;
  EXPECT_EQ(PlainText(ReadRtf("}}}}x{{{")), "x");
  EXPECT_EQ(ReadRtf("{\\rtf1 \\fs99999999999999 big")[0].runs[0].halfPoints, 24);
}

TEST(RtfReaderTest, GroupsRestoreStyles) {
  const std::vector<RtfParagraph> paragraphs = ReadRtf("{\\rtf1 a{\\b b}c}");
  ASSERT_EQ(paragraphs.size(), 1u);
  ASSERT_EQ(paragraphs[0].runs.size(), 3u);
  EXPECT_FALSE(paragraphs[0].runs[0].bold);
  EXPECT_TRUE(paragraphs[0].runs[1].bold);
  EXPECT_FALSE(paragraphs[0].runs[2].bold);
  EXPECT_TRUE(LooksLikeRtf("{\\rtf1}"));
  EXPECT_FALSE(LooksLikeRtf("INSTRUCTIONS"));
}
