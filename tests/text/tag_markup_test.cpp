// Reading and writing the document markup.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "text/tag_reader.h"
#include "text/tag_writer.h"

namespace {

constexpr std::size_t kEnd = std::string_view::npos;

TEST(FindElement, FollowsTheLookupRules) {
  const std::string lt2000(2000, '<'), none = "(not found)";
  const std::tuple<std::string, std::string, std::size_t, std::size_t, std::string> cases[] = {
      {"<A> \r\n\tx \t</A>", "A", 0, kEnd, " \r\n\tx \t"}, {"<a>x</a>", "A", 0, kEnd, none},
      {"<A>x</a>", "A", 0, kEnd, none}, {"<A>a<A>b</A>", "A", 0, kEnd, "a<A>b"},
      {"</A><A>x", "A", 0, kEnd, none}, {"<A>1</A><A>2</A>", "A", 1, kEnd, "2"},
      {"<ANIMALTOTAL>5</ANIMALTOTAL><TOTAL>6</TOTAL>", "TOTAL", 0, kEnd, "6"},
      // The whole element must lie inside the range.
      {"<A>x</A>", "A", 0, 8, "x"}, {"<A>x</A>", "A", 0, 7, none}, {"<A>x</A>", "A", 8, kEnd, none},
      {"<A>x</A>", "A", 5, 3, none}, {"<A>x</A>", "", 0, kEnd, none},
      {"<A>" + lt2000 + "</A>", "A", 0, 2007, lt2000}, {"<A>" + lt2000 + "</A>", "A", 0, 2006, none},
      {std::string(510, 'x') + "<A>y</A>", "A", 0, kEnd, "y"},  // across the near search's end
      {"<A>" + std::string(508, '<') + "</A>", "A", 0, kEnd, std::string(508, '<')},
  };
  for (const auto& [text, name, start, limit, content] : cases) {
    CTagElement element;
    const bool found = FindElement(name, text, start, limit, &element);
    EXPECT_EQ(found ? std::string(element.Content()) : none, content)
        << text.substr(0, 40) << " start " << start << " limit " << limit;
  }
}

using Span = std::optional<std::pair<std::size_t, std::size_t>>;  // content start and end

// The lookup rules written as plainly as possible, to hold the fast searches to.
Span PlainFind(std::string_view name, std::string_view text, std::size_t start, std::size_t limit) {
  text = text.substr(0, std::min(limit, text.size()));
  const std::size_t open = text.find("<" + std::string(name) + ">", start);
  if (start >= text.size() || open == kEnd) return std::nullopt;
  const std::size_t close = text.find("</" + std::string(name) + ">", open + name.size() + 2);
  return close == kEnd ? std::nullopt : Span({open + name.size() + 2, close});
}

Span SpanOf(bool found, const CTagElement& element) {
  return found ? Span({element.contentStart, element.contentEnd}) : std::nullopt;
}

TEST(FindElement, FastSearchesAgreeWithAPlainSearch) {
  // Dense with '<' and near-miss names; T0..T39 (more names than TagIndex keeps)
  // stand only in the middle, so reaching them crosses kilobytes of noise. Runs
  // of bytes next to '<' in value, with the high bit or not, test the scan that
  // looks at eight bytes at once.
  const std::array<std::string, 15> pieces = {"<A>", "</A>", "<B>", "</B>", "<AB>", "</AB>",
                                              "x",   "<",    ">",   "\r\n", "</", "=;=;=;=;=",
                                              "\xBC\xBC\xBD", "\xFF", std::string(13, ';')};
  std::minstd_rand random(7);
  std::string text;
  for (int i = 0; i < 3000; ++i) {
    text += pieces[random() % pieces.size()];
    if (i == 1500)
      for (int t = 0; t < 40; ++t) text += "<T" + std::to_string(t) + ">x</T" + std::to_string(t) + ">";
  }
  const std::array<std::string_view, 6> names = {"A", "B", "AB", "T0", "T39", "Z"};
  for (std::size_t start = 0; start < text.size(); start += 397) {
    for (std::size_t limit : {start + 9, start + 300, start + 2100, start + 5000, kEnd}) {
      std::vector<std::array<std::size_t, 3>> expected, visited;
      const TagIndex index(text, start, limit);
      for (std::size_t kind = 0; kind < names.size(); ++kind) {
        const Span plain = PlainFind(names[kind], text, start, limit);
        CTagElement found, indexed;
        ASSERT_EQ(SpanOf(FindElement(names[kind], text, start, limit, &found), found), plain)
            << names[kind] << " " << start << " " << limit;
        ASSERT_EQ(SpanOf(index.FindElement(names[kind], &indexed), indexed), plain)
            << names[kind] << " " << start << " " << limit;
        for (Span next = plain; next; next = PlainFind(names[kind], text, next->second, limit))
          expected.push_back({next->first - names[kind].size() - 2, kind, next->second});
      }
      std::sort(expected.begin(), expected.end());
      ForEachElement(names, text, start, limit, [&](std::size_t kind, const CTagElement& element) {
        visited.push_back({element.contentStart - names[kind].size() - 2, kind, element.contentEnd});
      });
      EXPECT_EQ(visited, expected) << start << " " << limit;
      // Each element's content indexed in the pass that found its end reads as
      // the plain search over that content; the names it tells are not opened
      // in the range stand nowhere in it.
      visited.clear();
      const std::span<const std::string_view> kinds(names.data(), 2), others(names.data() + 2, 4);
      const bool noOther = ForEachIndexedElement(
          kinds, text, start, limit,
          [&](std::size_t kind, const TagIndex& content) {
            const CTagElement element = content.Element();
            visited.push_back({element.contentStart - names[kind].size() - 2, kind, element.contentEnd});
            for (std::string_view name : names) {
              CTagElement inner;
              ASSERT_EQ(SpanOf(content.FindElement(name, &inner), inner),
                        PlainFind(name, text, element.contentStart, element.contentEnd))
                  << name << " in the element at " << visited.back()[0];
            }
          },
          others);
      std::erase_if(expected, [](const auto& element) { return element[1] >= 2; });
      EXPECT_EQ(visited, expected) << start << " " << limit;
      if (noOther) {
        for (std::string_view other : others)
          EXPECT_GE(text.find("<" + std::string(other) + ">", start), std::min(limit, text.size()));
      }
    }
  }
}

// Names are compared a few bytes at a time: one differing in any single byte,
// at any length, is another name, as an opening or as a closing tag.
TEST(TagIndex, TellsApartNamesThatDifferInOneByte) {
  for (std::size_t size = 1; size <= 20; ++size) {
    const std::string name(size, 'N');
    for (std::size_t at = 0; at < size; ++at) {
      std::string other = name;
      other[at] = 'O';
      const std::string text = "<" + other + ">x</" + other + "><" + name + ">y</" + other + ">z</" + name + ">";
      const TagIndex index(text, 0, kEnd);
      CTagElement found;
      ASSERT_TRUE(index.FindElement(name, &found)) << size << " " << at;
      EXPECT_EQ(found.Content(), "y</" + other + ">z") << size << " " << at;
      ASSERT_TRUE(index.FindElement(other, &found));
      EXPECT_EQ(found.Content(), "x");
      EXPECT_FALSE(index.FindElement(name + "N", &found));
    }
  }
}

// Budgets of rows, with list elements between them and now and then inside a
// budget, a row or a tag cut by a budget's end: a budget is left unread by the
// pass for lists only where that changes nothing.
TEST(ForEachElement, LeavesUnreadOnlyRangesThatHoldNoneOfItsKinds) {
  std::string manyNames;
  for (int t = 0; t < 40; ++t) manyNames += "<T" + std::to_string(t) + ">x</T" + std::to_string(t) + ">";
  const std::array<std::string, 12> rowPieces = {"<L>x</L>", "<P>1.5</P>", "<W>", "</W>", "<V>a</V>",
                                                 "<VW>", "<", "\r\n", "<R>", "<S>s</S>", "</V>", manyNames};
  const std::array<std::string, 8> outside = {"<V>1</V>", "<W>2</W>", "<V>", "</V>", "x", "<W", "</W>", "<VV>"};
  const std::array<std::string_view, 2> rows = {"R", "S"};
  const std::array<std::string_view, 2> lists = {"V", "W"};
  const auto noList = [&](std::string_view text, std::size_t limit) {
    return ForEachIndexedElement(rows, text, 0, limit, [](std::size_t, const TagIndex&) {}, lists);
  };
  EXPECT_TRUE(noList("<R>x</R><VV></V><W</R>", kEnd));
  EXPECT_TRUE(noList("<R>x</R><V>y</V>", 8));
  EXPECT_FALSE(noList("<R>x</R><V>y</V>", 9)) << "a tag that begins in the range counts";
  EXPECT_FALSE(noList("<R><V>a</V></R>", kEnd));
  EXPECT_FALSE(noList("<R>x</R><S>" + manyNames + "<V>v</V></S>", kEnd)) << "beyond the names an index keeps";
  EXPECT_FALSE(noList("<R>x<S>y<V>z</V>", kEnd)) << "every kind ended: the rest is not looked at";

  std::minstd_rand random(3);
  int unread = 0, read = 0;
  for (int document = 0; document < 400; ++document) {
    std::string text;
    for (int budget = 0; budget < 6; ++budget) {
      text += outside[random() % outside.size()];
      text += "<G>";
      for (int row = 0; row < 4; ++row) {
        text += random() % 2 ? "<R>" : "<S>";
        // Mostly plain rows, as a saved document has.
        for (int piece = 0; piece < 3; ++piece)
          text += random() % 8 ? rowPieces[random() % 2] : rowPieces[random() % rowPieces.size()];
        text += random() % 2 ? "</R>" : "</S>";
        if (random() % 10 == 0) text += outside[random() % outside.size()];
      }
      if (random() % 10 == 0) text += "<V";  // a tag the budget's end cuts
      text += "</G>";
      if (random() % 10 == 0) text += "V>x</V>";
    }
    std::vector<TextRange> ranges;
    CTagElement budget;
    for (std::size_t from = 0; FindElement("G", text, from, kEnd, &budget); from = budget.contentEnd) {
      if (ForEachIndexedElement(rows, text, budget.contentStart, budget.contentEnd,
                                [](std::size_t, const TagIndex&) {}, lists)) {
        ranges.push_back({budget.contentStart, budget.contentEnd});
        for (std::string_view list : lists) {
          ASSERT_GE(text.find("<" + std::string(list) + ">", budget.contentStart), budget.contentEnd)
              << text;
        }
      }
    }
    unread += static_cast<int>(ranges.size());
    read += 6 - static_cast<int>(ranges.size());
    for (std::size_t start : {std::size_t{0}, std::size_t{5}}) {
      std::vector<std::array<std::size_t, 3>> everything, skipping;
      const auto collect = [](std::vector<std::array<std::size_t, 3>>& into) {
        return [&into](std::size_t kind, const CTagElement& element) {
          into.push_back({element.contentStart, kind, element.contentEnd});
        };
      };
      ForEachElement(lists, text, start, kEnd, collect(everything));
      ForEachElement(lists, text, start, kEnd, collect(skipping), ranges);
      ASSERT_EQ(skipping, everything) << text;
    }
  }
  EXPECT_GT(unread, 1000);
  EXPECT_GT(read, 300);
}

TEST(ReadNumber, ConvertsContentOf1To31Bytes) {
  // The content, then what it reads as a real and as an integer; nothing when not found.
  const std::tuple<std::string, std::optional<double>, std::optional<std::int32_t>> cases[] = {
      {" \r\n\t-1.75", -1.75, -1}, {"12abc", 12, 12}, {"abc", 0, 0}, {std::string(30, '0') + "1", 1, 1},
      {std::string(31, '0') + "1", {}, {}}, {"", {}, {}}, {"-2147483648", -2147483648.0, -2147483647 - 1},
      {"2147483648", 2147483648.0, {}}, {"1e-400", 0, 1},  // too small for a double is zero, as in C
      {"-1e999", {}, -1}, {"inf", {}, 0}, {"nan", {}, 0},
      // What is written reads back: amounts up to 25 digits, which fill the element with
      // a sign, a point and four decimals; "1e25" fits too, but written in full it would not.
      {"1e15", 1e15, 1}, {"-9999999999999998758486016.0000", -9999999999999998758486016.0, {}},
      {"1e25", {}, 1}, {"-1e25", {}, -1}};
  for (const auto& [content, real, integer] : cases) {
    const std::string text = "<N>" + content + "</N>";
    double readReal = 99;
    std::int32_t readInteger = 99;
    EXPECT_EQ(ReadReal("N", text, 0, kEnd, &readReal), real.has_value()) << content;
    EXPECT_EQ(ReadInteger("N", text, 0, kEnd, &readInteger), integer.has_value()) << content;
    EXPECT_EQ(readReal, real.value_or(99)) << content << ": nothing found leaves the value";
    EXPECT_EQ(readInteger, integer.value_or(99)) << content;
  }
}

// A text is written as it stands unless it holds a tag; what other versions wrote
// (they never escape) reads back exactly.
TEST(MarkupText, OnlyTagsAreEscaped) {
  const std::pair<std::string, std::string> cases[] = {
      {"Calves <400 lb", "Calves <400 lb"}, {"R&amp;D herd", "R&amp;D herd"},
      {"a<b & c &lt; &amp", "a<b & c &lt; &amp"}, {"Ranch <Co> <label> <A B> <> </>", "Ranch <Co> <label> <A B> <> </>"},
      {"x </LABEL> y", "x &lt;/LABEL> y"}, {"<TOTAL>5</TOTAL>", "&lt;TOTAL>5&lt;/TOTAL>"},
      {"<<A>", "<&lt;A>"}, {"&lt;TOTAL>", "&amp;lt;TOTAL>"}, {"&amp;lt;/A>", "&amp;amp;lt;/A>"},
      {"&&lt;A>", "&&amp;lt;A>"}, {"&amp;&lt;A>", "&amp;&amp;lt;A>"}};
  for (const auto& [text, written] : cases) {
    EXPECT_EQ(EscapeMarkupText(text), written) << text;
    EXPECT_EQ(UnescapeMarkupText(written), text) << written;
  }
}

bool HoldsTag(std::string_view text) {
  for (std::size_t i = text.find('<'); i != std::string_view::npos; i = text.find('<', i + 1)) {
    std::size_t j = i + 1 < text.size() && text[i + 1] == '/' ? i + 2 : i + 1;
    const std::size_t name = j;
    while (j < text.size() && text[j] >= 'A' && text[j] <= 'Z') ++j;
    if (j > name && j < text.size() && text[j] == '>') return true;
  }
  return false;
}

TEST(MarkupText, EveryShortTextRoundTripsAndEveryOtherVersionsTextWritesBackUnchanged) {
  // Every text of up to six pieces from an alphabet dense in tags and escapes.
  const std::array<std::string, 8> pieces = {"<", "/", "A", ">", "&", "lt;", "amp;", "x"};
  std::vector<std::string> level = {""};
  for (int length = 0; length <= 6; ++length) {
    std::vector<std::string> next;
    for (const std::string& text : level) {
      const std::string escaped = EscapeMarkupText(text);
      ASSERT_FALSE(HoldsTag(escaped)) << text;
      ASSERT_EQ(UnescapeMarkupText(escaped), text) << text;
      // A text with no tag is one another version can have written.
      if (!HoldsTag(text)) {
        ASSERT_EQ(EscapeMarkupText(UnescapeMarkupText(text)), text) << text;
      }
      if (length == 6) continue;
      for (const std::string& piece : pieces) next.push_back(text + piece);
    }
    level = std::move(next);
  }
}

// A line's pieces are copied in blocks of fixed size that overlap, and a line
// too long for the stack goes piece by piece: every length comes out whole.
TEST(AppendElement, WritesEveryLengthOfNameAndText) {
  for (std::size_t nameSize = 1; nameSize <= 40; nameSize += 3) {
    const std::string name(nameSize, 'N');
    for (std::size_t size = 0; size <= 300; ++size) {
      std::string text;
      for (std::size_t i = 0; i < size; ++i) text += static_cast<char>('a' + i % 26);
      CTagBuffer buffer;
      AppendOpenTag(buffer, name);
      AppendTextElement(buffer, "\t", name, text);
      AppendRealElement(buffer, "", name, static_cast<double>(size) / 8, 4);
      AppendCloseTag(buffer, name);
      char amount[64];
      std::snprintf(amount, sizeof amount, "%0.4f", static_cast<double>(size) / 8);
      ASSERT_EQ(buffer.View(), "<" + name + ">\r\n\t<" + name + ">" + text + "</" + name + ">\r\n<" + name +
                                   ">" + amount + "</" + name + ">\r\n</" + name + ">\r\n")
          << nameSize << " " << size;
    }
  }
}

TEST(MarkupText, ATextCannotEndItsElementOrPoseAsAnother) {
  const std::string label = "x</LABEL><TOTAL>9</TOTAL><ROW>&lt;A>";
  CTagBuffer buffer;
  AppendOpenTag(buffer, "ROW");
  AppendTextElement(buffer, "\t", "LABEL", label);
  AppendTextElement(buffer, "\t", "UNITS", "R&amp;D");
  AppendCloseTag(buffer, "ROW");
  const std::string_view text = buffer.View();
  CTagElement row;
  ASSERT_TRUE(FindElement("ROW", text, 0, kEnd, &row));
  std::string read, units;
  EXPECT_TRUE(ReadText("LABEL", &read, 100, text, row.contentStart, row.contentEnd));
  EXPECT_TRUE(ReadText("UNITS", &units, 100, text, row.contentStart, row.contentEnd));
  EXPECT_EQ(read + "|" + units, label + "|R&amp;D");
  CTagElement total;
  EXPECT_FALSE(FindElement("TOTAL", text, 0, kEnd, &total));
  EXPECT_EQ(text.find("<ROW>", 1), std::string_view::npos);
}

}  // namespace
