#include "document/tag_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(TagWriter, WritesOneElementPerLineWithCrLf) {
  CTagBuffer buffer;
  AppendOpenTag(buffer, "LIVESTOCKBUDGET");
  AppendRealElement(buffer, "\t", "PRICE", -1.0, 4);
  AppendRealElement(buffer, "", "INTERESTRATE", 1234.5, 2);
  AppendIntElement(buffer, "\t\t", "NUMACRES", -1);
  AppendTextElement(buffer, "\t", "LABEL", "Feed & Hay");
  AppendTextElement(buffer, "\t", "LABEL", "a</LABEL>b");
  AppendTextElement(buffer, "", "NAME", "");
  AppendCloseTag(buffer, "LIVESTOCKBUDGET");
  EXPECT_EQ(buffer.View(),
            "<LIVESTOCKBUDGET>\r\n"
            "\t<PRICE>-1.0000</PRICE>\r\n"
            "<INTERESTRATE>1234.50</INTERESTRATE>\r\n"
            "\t\t<NUMACRES>-1</NUMACRES>\r\n"
            "\t<LABEL>Feed & Hay</LABEL>\r\n"
            "\t<LABEL>a&lt;/LABEL>b</LABEL>\r\n"
            "<NAME></NAME>\r\n"
            "</LIVESTOCKBUDGET>\r\n");
}

const std::vector<std::pair<std::string, std::string>> kEscapes = {
    {"a<b", "a&lt;b"},
    {"</LABEL>", "&lt;/LABEL>"},
    {"&lt;", "&amp;lt;"},
    {"&amp;lt;", "&amp;amp;lt;"},
    {"&", "&"},
    {"&amp", "&amp"},
    {"&&lt;", "&&amp;lt;"},
    {"&<", "&&lt;"},
    {"Feed & Hay", "Feed & Hay"},
    {"", ""},
};

TEST(EscapeMarkupText, EscapesOnlyWhatWouldReadBackDifferently) {
  for (const auto& [text, escaped] : kEscapes) {
    EXPECT_EQ(EscapeMarkupText(text), escaped) << text;
    EXPECT_EQ(UnescapeMarkupText(escaped), text) << text;
  }
}

// Every string of up to five characters from an alphabet dense in escapes.
TEST(EscapeMarkupText, RoundTripsEveryShortStringAndNeverWritesLessThan) {
  const std::string alphabet = "&<lt;amp";
  std::vector<std::string> level = {""};
  for (int length = 0; length <= 5; ++length) {
    std::vector<std::string> next;
    for (const std::string& text : level) {
      const std::string escaped = EscapeMarkupText(text);
      ASSERT_EQ(escaped.find('<'), std::string::npos) << text;
      ASSERT_EQ(UnescapeMarkupText(escaped), text) << text;
      if (length < 5)
        for (char c : alphabet) next.push_back(text + c);
    }
    level = std::move(next);
  }
}

}  // namespace
