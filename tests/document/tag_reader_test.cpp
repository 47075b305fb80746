#include "document/tag_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr std::size_t kEnd = std::string_view::npos;

struct FindCase {
  std::string text, name;
  std::size_t start, limit;
  bool found;
  std::string content;
};

TEST(FindElement, FollowsTheLookupRules) {
  const std::vector<FindCase> cases = {
      {"<A>x</A>", "A", 0, kEnd, true, "x"},        {"<A></A>", "A", 0, kEnd, true, ""},
      {"<A> \r\n\tx \t</A>", "A", 0, kEnd, true, " \r\n\tx \t"},
      {"<a>x</a>", "A", 0, kEnd, false, ""},        {"<A>x</a>", "A", 0, kEnd, false, ""},
      {"<A>1</A><A>2</A>", "A", 0, kEnd, true, "1"}, {"<A>1</A><A>2</A>", "A", 1, kEnd, true, "2"},
      {"<B><C><A>deep</A></C></B>", "A", 0, kEnd, true, "deep"},
      {"<A>a<A>b</A>", "A", 0, kEnd, true, "a<A>b"}, {"<A>x", "A", 0, kEnd, false, ""},
      {"</A><A>x", "A", 0, kEnd, false, ""},
      {"<ANIMALTOTAL>5</ANIMALTOTAL>", "TOTAL", 0, kEnd, false, ""},
      {"<ANIMALTOTAL>5</ANIMALTOTAL><TOTAL>6</TOTAL>", "TOTAL", 0, kEnd, true, "6"},
      // The whole element must lie inside the range.
      {"<A>x</A>", "A", 0, 8, true, "x"},           {"<A>x</A>", "A", 0, 7, false, ""},
      {"<A>x</A>", "A", 0, 0, false, ""},           {"<A>x</A>", "A", 8, kEnd, false, ""},
      {"<A>x</A>", "A", 100, 200, false, ""},       {"<A>x</A>", "A", 5, 3, false, ""},
      {"", "A", 0, kEnd, false, ""},
      {"<A>" + std::string(2000, '<') + "</A>", "A", 0, 2007, true, std::string(2000, '<')},
      {"<A>" + std::string(2000, '<') + "</A>", "A", 0, 2006, false, ""},
  };
  for (const auto& c : cases) {
    CTagElement element;
    const bool found = FindElement(c.name, c.text, c.start, c.limit, &element);
    EXPECT_EQ(found, c.found) << c.text << " start " << c.start << " limit " << c.limit;
    if (found && c.found) {
      EXPECT_EQ(element.Content(), c.content) << c.text;
    }
  }
}

// The lookup rules written as plainly as possible, to hold the fast searches to.
bool PlainFind(const std::string& name, std::string_view text, std::size_t start,
               std::size_t limit, std::size_t* contentStart, std::size_t* contentEnd) {
  text = text.substr(0, std::min(limit, text.size()));
  const std::size_t open = text.find("<" + name + ">", start);
  if (start >= text.size() || open == kEnd) return false;
  *contentStart = open + name.size() + 2;
  *contentEnd = text.find("</" + name + ">", *contentStart);
  return *contentEnd != kEnd;
}

// Long enough for every search strategy, and dense with '<' and near-miss names.
std::string MarkupNoise(std::size_t tokens) {
  const std::array<std::string, 11> pieces = {"<A>", "</A>", "<B>", "</B>", "<AB>", "</AB>",
                                              "x",   "<",    ">",   "\r\n", "</"};
  std::minstd_rand random(7);
  std::string text;
  for (std::size_t i = 0; i < tokens; ++i) text += pieces[random() % pieces.size()];
  return text;
}

TEST(FindElement, AgreesWithAPlainSearchOverLongText) {
  const std::string text = MarkupNoise(2000);
  for (const std::string name : {"A", "B", "AB"}) {
    for (std::size_t start = 0; start < text.size(); start += 97) {
      // Limits at and just short of the end of the first element, found far away or near.
      std::size_t from = 0, to = 0;
      const std::size_t end =
          PlainFind(name, text, start, kEnd, &from, &to) ? to + name.size() + 3 : text.size();
      for (std::size_t limit : {start + 9, start + 300, start + 1500, end, end - 1, kEnd}) {
        CTagElement element;
        const bool expected = PlainFind(name, text, start, limit, &from, &to);
        ASSERT_EQ(FindElement(name, text, start, limit, &element), expected)
            << name << " " << start << " " << limit;
        if (expected) {
          ASSERT_EQ(element.contentStart, from);
          ASSERT_EQ(element.contentEnd, to);
        }
      }
    }
  }
}

TEST(ForEachElement, VisitsWhatRepeatedLookupsFindInOpeningTagOrder) {
  const std::string text = MarkupNoise(3000);
  const std::array<std::string_view, 3> names = {"A", "B", "AB"};
  for (const auto& [start, limit] : std::vector<std::pair<std::size_t, std::size_t>>{
           {0, kEnd}, {5, 700}, {400, 4000}, {1000, 1010}}) {
    std::vector<std::array<std::size_t, 3>> expected;
    for (std::size_t kind = 0; kind < names.size(); ++kind) {
      std::size_t from = start, contentStart = 0, contentEnd = 0;
      while (PlainFind(std::string(names[kind]), text, from, limit, &contentStart, &contentEnd)) {
        expected.push_back({contentStart - names[kind].size() - 2, kind, contentEnd});
        from = contentEnd;
      }
    }
    std::sort(expected.begin(), expected.end());
    std::vector<std::array<std::size_t, 3>> visited;
    ForEachElement(names, text, start, limit, [&](std::size_t kind, const CTagElement& element) {
      visited.push_back({element.contentStart - names[kind].size() - 2, kind, element.contentEnd});
    });
    EXPECT_EQ(visited, expected) << start << " " << limit;
  }
}

TEST(TagIndex, AnswersAsTheFreeLookupsDo) {
  std::string manyNames;  // more names than the index keeps
  for (int i = 0; i < 40; ++i) {
    const std::string n = std::to_string(i);
    manyNames += "<T" + n + ">" + n + "</T" + n + ">";
  }
  const std::string noise = MarkupNoise(600);
  for (const std::string& text : {noise, manyNames + noise, noise + manyNames}) {
    for (const auto& [start, limit] : std::vector<std::pair<std::size_t, std::size_t>>{
             {0, kEnd}, {7, 500}, {300, 2000}, {100, 90}}) {
      const TagIndex index(text, start, limit);
      for (const std::string name : {"A", "B", "AB", "T0", "T39", "Z", ""}) {
        CTagElement expected, found;
        const bool wanted = FindElement(name, text, start, limit, &expected);
        ASSERT_EQ(index.FindElement(name, &found), wanted) << name << " " << start << " " << limit;
        if (wanted) {
          ASSERT_EQ(found.contentStart, expected.contentStart);
          ASSERT_EQ(found.contentEnd, expected.contentEnd);
        }
      }
    }
  }
  const TagIndex record("<N>125.5000</N><C>42</C><L>a&lt;b</L><E></E>", 0, kEnd);
  double real = 0;
  std::int32_t count = 0;
  std::string label = "default";
  EXPECT_TRUE(record.ReadReal("N", &real) && record.ReadInteger("C", &count));
  EXPECT_TRUE(record.ReadText("L", &label, 32));
  EXPECT_EQ(real, 125.5);
  EXPECT_EQ(count, 42);
  EXPECT_EQ(label, "a<b");
  EXPECT_FALSE(record.ReadText("E", &label, 32));
}

std::string Element(const std::string& content) { return "<N>" + content + "</N>"; }

TEST(ReadReal, ConvertsContentOf1To31Bytes) {
  const std::vector<std::tuple<std::string, bool, double>> cases = {
      {"125.5000", true, 125.5}, {"  \r\n\t-1.0000", true, -1.0}, {"+7.25", true, 7.25},
      {"12abc", true, 12.0},     {".5", true, 0.5},               {"abc", true, 0.0},
      {"-", true, 0.0},          {std::string(30, '0') + "1", true, 1.0},
      // Too small for a double is zero, as the C conversion gives.
      {"1e-400", true, 0.0},    {"-1e-400", true, 0.0},         {"0.0001e-330", true, 0.0},
      {"", false, 0},            {std::string(31, '0') + "1", false, 0},
      {std::string(40, '9'), false, 0},
      {"1e999", false, 0},       {"-1e999", false, 0},            {"inf", false, 0},
      {"-infinity", false, 0},   {"nan", false, 0},
  };
  for (const auto& [content, found, expected] : cases) {
    double value = 99.0;
    EXPECT_EQ(ReadReal("N", Element(content), 0, kEnd, &value), found) << content;
    EXPECT_EQ(value, found ? expected : 99.0) << content;
  }
}

TEST(ReadInteger, ConvertsContentOf1To31Bytes) {
  const std::vector<std::tuple<std::string, bool, std::int32_t>> cases = {
      {"42", true, 42},          {" \t-17", true, -17},        {"2.75", true, 2},
      {"none", true, 0},         {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483647 - 1},
      {"2147483648", false, 0},  {"-99999999999", false, 0},   {"", false, 0},
      {std::string(31, '0') + "1", false, 0},
  };
  for (const auto& [content, found, expected] : cases) {
    std::int32_t value = 99;
    EXPECT_EQ(ReadInteger("N", Element(content), 0, kEnd, &value), found) << content;
    EXPECT_EQ(value, found ? expected : 99) << content;
  }
}

TEST(ReadText, TakesContentAsItStandsUpToMaxCharacters) {
  const std::vector<std::tuple<std::string, std::size_t, std::string>> cases = {
      {"  Hay ", 32, "  Hay "},          {"a&lt;b &amp; c", 32, "a<b & c"},
      {"&amp;lt;", 32, "&lt;"},          {"Feed & Hay", 32, "Feed & Hay"},
      {"abcdef", 4, "abcd"},             {"&lt;&lt;&lt;", 2, "<<"},
      {"\xC3\xA9\xC3\xA9\xC3\xA9", 2, "\xC3\xA9\xC3\xA9"},
      {"ab\xE2\x82\xAC", 2, "ab"},       {"\xE2\x82\xAC\xE2\x82\xAC", 1, "\xE2\x82\xAC"},
      {"\xFF\xFEx", 2, "\xFF\xFE"},
  };
  for (const auto& [content, maxChars, expected] : cases) {
    std::string destination = "default";
    EXPECT_TRUE(ReadText("N", &destination, maxChars, Element(content), 0, kEnd)) << content;
    EXPECT_EQ(destination, expected) << content;
  }
}

TEST(ReadText, EmptyOrMissingElementLeavesTheDefault) {
  for (const std::string_view text : {"<N></N>", "<M>x</M>", "<N>x"}) {
    std::string destination = "default";
    EXPECT_FALSE(ReadText("N", &destination, 32, text, 0, kEnd)) << text;
    EXPECT_EQ(destination, "default") << text;
  }
}

}  // namespace
