// Texts written into Rich Text: whatever they hold, the document stays whole and
// reads back as the text.

#include <gtest/gtest.h>

#include <string>

#include "text/rtf_escape.h"
#include "text/rtf_reader.h"

namespace {

std::string Escaped(std::string_view text) {
  std::string rtf;
  AppendRtfEscaped(rtf, text);
  return rtf;
}

std::string ReadBack(std::string_view text) {
  std::string readBack;
  for (const RtfParagraph& paragraph : ReadRtf("{\\rtf1\\ansi\\ansicpg1252\\uc1 " + Escaped(text) + "}"))
    for (const RtfRun& run : paragraph.runs) readBack += run.text;
  return readBack;
}

TEST(RtfEscapeTest, ControlCharactersAndCodePageCharacters) {
  struct Case {
    const char* text;
    const char* rtf;
  };
  const Case cases[] = {
      {"Cow-calf (CC-09)", "Cow-calf (CC-09)"},
      {"a\\b{c}d", "a\\\\b\\{c\\}d"},
      {"\\par}{\\rtf1", "\\\\par\\}\\{\\\\rtf1"},
      {"Caf\xC3\xA9", "Caf\\'e9"},                      // in the code page's upper half
      {"\xE2\x82\xAC 5 \xE2\x80\x94", "\\'80 5 \\'97"},  // the code page's own 0x80 to 0x9F
      {"\xCE\xA9", "\\u937?"},                          // outside the code page
      {"\xE2\x9C\x93" "5", "\\u10003?5"},                // the stand-in ends the number
      {"\xEF\xBF\xBD", "\\u-3?"},                       // above 0x7FFF: signed 16 bits
      {"\xF0\x9D\x84\x9E", "\\u-10188?\\u-8930?"},      // beyond 16 bits: two halves
      {"\xC2\x81", "\\u129?"},                          // a byte the code page leaves undefined
      {"caf\xE9", "caf\\'e9"},                          // not UTF-8: a code page byte
      {"a\tb\nc\r\x01\x7F" "d", "a\\tab b\\line cd"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Escaped(c.text), c.rtf) << c.text;
}

TEST(RtfEscapeTest, HostileTextsReadBackAsThemselves) {
  const char* texts[] = {
      "Back\\slash {braces} \\b0 \\'e9 \\u65?",
      "Caf\xC3\xA9 \xE2\x80\x93 100 \xE2\x82\xAC \xC3\xBF",
      "\xCE\xA9mega \xE2\x9C\x93 \xF0\x9D\x84\x9E \xE4\xB8\xAD\xE6\x96\x87",
      "}}}{{{\\",
      "a\tb\nc",
  };
  for (const char* text : texts) EXPECT_EQ(ReadBack(text), text) << text;
}

}  // namespace
