#include "document/utf8_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(IsValidUtf8, RefusesOverlongsSurrogatesAndCutSequences) {
  const std::vector<std::string> valid = {
      "", "plain", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x90\x84", "\xF4\x8F\xBF\xBF",
      "\xED\x9F\xBF"};
  const std::vector<std::string> invalid = {
      "\xC0\x80",         "\xC1\xBF",     "\xE0\x80\x80", "\xF0\x80\x80\x80", "\xED\xA0\x80",
      "\xED\xBF\xBF",     "\xF4\x90\x80\x80", "\xC3",     "\xE2\x82",         "a\xF0\x9F\x90",
      "\x80",             "\xBF",         "\xFF",         "\xF8\x88\x80\x80\x80", "\xC3\x28",
      "caf\xE9"};
  for (const auto& text : valid) EXPECT_TRUE(IsValidUtf8(text)) << text;
  for (const auto& text : invalid) EXPECT_FALSE(IsValidUtf8(text)) << text;
  // A sequence anywhere in a long ASCII run, which is skipped in words.
  for (std::size_t at = 0; at <= 20; ++at) {
    const std::string ascii(20, 'a');
    EXPECT_TRUE(IsValidUtf8(ascii.substr(0, at) + "\xC3\xA9" + ascii.substr(at))) << at;
    EXPECT_FALSE(IsValidUtf8(ascii.substr(0, at) + "\xC0\x80" + ascii.substr(at))) << at;
    EXPECT_FALSE(IsValidUtf8(ascii.substr(0, at) + "\xE2\x82")) << at;
  }
}

TEST(Cp1252ToUtf8, MapsTheCodePage) {
  EXPECT_EQ(Cp1252ToUtf8("Ranch <A> 1.5\r\n"), "Ranch <A> 1.5\r\n");
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(Cp1252ToUtf8("caf\xE9"), "caf\xC3\xA9");
  EXPECT_EQ(Cp1252ToUtf8("\x93\x94\x99\x9F"), "\xE2\x80\x9C\xE2\x80\x9D\xE2\x84\xA2\xC5\xB8");
  EXPECT_EQ(Cp1252ToUtf8("\x81\xA0\xFF"), "\xC2\x81\xC2\xA0\xC3\xBF");
  std::string every;
  for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
  EXPECT_TRUE(IsValidUtf8(Cp1252ToUtf8(every)));
}

TEST(CountChars, CountsCodePointsAndEachStrayByteAsOne) {
  EXPECT_EQ(CountChars(""), 0u);
  EXPECT_EQ(CountChars("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x90\x84"), 4u);
  EXPECT_EQ(CountChars("\xE2\x82"), 2u);
  EXPECT_EQ(CountChars("\xFF" "a"), 2u);
}

TEST(FirstChars, NeverCutsACharacterInHalf) {
  const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x90\x84";
  const std::vector<std::string> expected = {"", "a", "a\xC3\xA9", "a\xC3\xA9\xE2\x82\xAC", text,
                                             text};
  for (std::size_t n = 0; n < expected.size(); ++n) EXPECT_EQ(FirstChars(text, n), expected[n]) << n;
  EXPECT_EQ(FirstChars("\xE2\x82" "b", 1), "\xE2");
}

}  // namespace
