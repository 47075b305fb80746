// Text conversions: numbers to and from text, UTF-8 and the Windows code page.
#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "text/number_parse.h"
#include "text/number_text.h"
#include "text/tag_reader.h"
#include "text/utf8_text.h"

namespace {

constexpr const char* kUntouched = "untouched";
constexpr const char* kProblem = "Problem with 'Price or Total' field";

TEST(ParseNumber, KeepsDigitsPointsAndMinusSigns) {
  const std::vector<std::tuple<std::string, double, bool>> reals = {
      {"$ 1,234.50", 1234.5, false}, {"15 %", 15, false}, {"1 1/2", 112, false}, {"1.2.3", 1.2, false},
      {"5-3", 5, false}, {"-.5", -0.5, false}, {"1e5", 15, false}, {"", -1, false}, {"n/a", -1, true},
      {"-", 0, true}, {".", 0, true}, {"--5", 0, true}, {"1,000,000,000,000,000", 1e15, false},
      // From 1e25 a number element could no longer carry the amount back.
      {"9,990,000,000,000,000,000,000,000", 9.99e24, false}, {"-9990000000000000000000000", -9.99e24, false},
      {"10000000000000000000000000", -1, true}, {"-10000000000000000000000000", -1, true},
      {std::string(300, '9'), -1, true},
  };
  for (const auto& [text, value, problem] : reals) {
    std::string message = kUntouched;
    EXPECT_EQ(ParseReal(text, "Price or Total", &message), value) << text;
    EXPECT_EQ(message, problem ? kProblem : kUntouched) << text;
  }
  // At most 15 characters are read, and the integer stops at the point.
  const std::vector<std::tuple<std::string, std::int32_t, bool>> integers = {
      {"2.75", 2, false}, {"1,200 head", 1200, false}, {"0000000000001234", 123, false}, {"", -1, false},
      {"2147483647", 2147483647, false}, {"-2147483648", -2147483647 - 1, false}, {"none", -1, true},
      {"-", 0, true}, {"2147483648", -1, true}, {"-2147483649", -1, true}, {"1234567890123456789", -1, true}};
  for (const auto& [text, value, problem] : integers) {
    std::string message = kUntouched;
    EXPECT_EQ(ParseInteger(text, "Price or Total", &message), value) << text;
    EXPECT_EQ(message, problem ? kProblem : kUntouched) << text;
  }
}

TEST(FormatFixed, MatchesPrintfInTheCLocale) {
  for (double value : {-1.0, 0.0, -0.0, 0.005, 2.675, -2.675, 0.125, 0.00005, -0.001, 1234.5, 1e15,
                       -1e20, 1.0 / 3.0, 1e300, -DBL_MAX, 4.9e-324}) {
    for (int decimals : {2, 4}) {
      char printed[512];
      std::snprintf(printed, sizeof printed, "%0.*f", decimals, value);
      EXPECT_EQ(FormatFixed(value, decimals), printed) << value;
    }
  }
  EXPECT_EQ(FormatInt(INT64_MIN), "-9223372036854775808");
}

// Amounts are rounded with one multiplication unless they lie near a half:
// every kind of value must still read as printf writes it.
TEST(FormatFixed, RoundsLikePrintfAcrossMagnitudesAndNearHalves) {
  std::mt19937_64 random(11);
  std::vector<double> values;
  for (int i = 0; i < 20000; ++i) {
    const double cents = static_cast<double>(random() % 100000000) / 100.0;  // typed amounts
    const double unit = std::ldexp(static_cast<double>(random() % (1u << 20)), -static_cast<int>(random() % 60));
    const double half = (static_cast<double>(random() % 1000000) + 0.5) / 1000.0;  // x.xxx5
    const double eighths = static_cast<double>(random() % 80000) / 8.0;           // exact ties
    for (double v : {cents, unit, half, eighths, cents * 1e7, 1.0 / (1 + unit)}) {
      values.push_back(v);
      values.push_back(-v);
    }
  }
  for (double value : values) {
    for (int decimals = 0; decimals <= 6; ++decimals) {
      char printed[512];
      std::snprintf(printed, sizeof printed, "%0.*f", decimals, value);
      ASSERT_EQ(FormatFixed(value, decimals), printed) << std::hexfloat << value << " " << decimals;
    }
  }
}

// Plain decimals, the amounts this program writes, are read with one division:
// they must come out as the C conversion reads them, to the last bit, with
// every other form left to it.
TEST(ScanReal, ReadsPlainDecimalsAsStrtodDoes) {
  std::mt19937_64 random(5);
  std::vector<std::string> texts = {"12.", "-0.0000", "0", "-0", "-5", ".5", "-.5", "1.2.3", "12.5abc",
                                    "  7.25", "+3.5", "999999999999999", "9999999999999999.5",
                                    "9007199254740992", "9007199254740993", "0.9007199254740993",
                                    "0000000000000000001.5", "00000000000000000001.5",
                                    "1234567890123456789", "12345678901234567890", "0.1e1", "-1.5-"};
  for (int i = 0; i < 50000; ++i) {
    std::string text = random() % 4 == 0 ? "-" : "";
    const int digits = 1 + static_cast<int>(random() % 20);
    const int point = static_cast<int>(random() % static_cast<unsigned>(digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == point && d > 0) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    texts.push_back(text);
  }
  // Short texts of digits, points, signs, blanks and the characters either
  // side of the digits, where only some read as plain decimals.
  const std::string alphabet = "0123456789012345.-+ /:";
  for (int i = 0; i < 200000; ++i) {
    std::string text;
    for (std::size_t size = 1 + random() % 10; text.size() < size;) text += alphabet[random() % alphabet.size()];
    texts.push_back(text);
  }
  // What the document holds: amounts with four and two decimals and counts,
  // over every magnitude an amount may have.
  for (int i = 0; i < 50000; ++i) {
    const double amount = std::ldexp(static_cast<double>(random() % (1ull << 53)),
                                      static_cast<int>(random() % 83) - 53 - 20);
    const double sign = random() % 3 == 0 ? -1 : 1;
    texts.push_back(FormatFixed(sign * amount, 4));
    texts.push_back(FormatFixed(sign * amount, 2));
    texts.push_back(FormatFixed(sign * static_cast<double>(random() % 100000000) / 100.0, 4));
    texts.push_back(FormatInt(static_cast<std::int32_t>(random())));
  }
  for (const std::string& text : texts) {
    double scanned = 0;
    const char* end = nullptr;
    const double expected = std::strtod(text.c_str(), const_cast<char**>(&end));
    ASSERT_EQ(ScanReal(text, &scanned), end == text.c_str() ? NumberScan::kNone : NumberScan::kOk)
        << text;
    EXPECT_EQ(std::signbit(scanned), std::signbit(expected)) << text;
    ASSERT_EQ(scanned, expected) << text;
  }
}

// A user's locale must never change what a file holds or how it reads.
TEST(FormatFixed, IgnoresTheNumericLocale) {
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  const std::string formatted = FormatFixed(1.5, 2);
  double read = 0;
  const bool found = ReadReal("A", "<A>2.25</A>", 0, 11, &read);
  std::string message;
  const double parsed = ParseReal("$ 1,234.50", "Price or Total", &message);
  std::setlocale(LC_NUMERIC, previous.c_str());
  EXPECT_EQ(std::tuple(formatted, found, read, parsed), std::tuple("1.50", true, 2.25, 1234.5));
}

// Tested eight bytes at a time, with the last eight overlapping: every length
// and every place of the byte that spoils it.
TEST(IsAsciiWithout, FindsTheCharactersOrAHighByteAnywhere) {
  for (std::size_t size = 0; size <= 40; ++size) {
    const std::string plain(size, 'a');
    EXPECT_TRUE(IsAsciiWithout(plain, '<', '&')) << size;
    for (std::size_t at = 0; at < size; ++at) {
      for (const char spoiler : {'<', '&', '\x80', '\xFF'}) {
        std::string text = plain;
        text[at] = spoiler;
        EXPECT_FALSE(IsAsciiWithout(text, '<', '&')) << size << " " << at << " " << int(spoiler);
      }
      std::string other = plain;
      other[at] = '>';
      EXPECT_TRUE(IsAsciiWithout(other, '<', '&')) << size << " " << at;
    }
  }
}

TEST(IsValidUtf8, RefusesOverlongsSurrogatesAndCutSequences) {
  const std::vector<std::string> valid = {"", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x90\x84",
                                          "\xF4\x8F\xBF\xBF", "\xED\x9F\xBF"};
  const std::vector<std::string> invalid = {
      "\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xF0\x80\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
      "\xC3",     "\xE2\x82", "\x80",         "\xFF",             "\xF8\x88\x80\x80\x80", "\xC3\x28"};
  // Each anywhere in an ASCII run, which is skipped a word at a time.
  for (std::size_t at = 0; at <= 20; ++at) {
    const std::string before(at, 'a'), after(20 - at, 'a');
    for (const auto& text : valid) EXPECT_TRUE(IsValidUtf8(before + text + after)) << text << at;
    for (const auto& text : invalid) EXPECT_FALSE(IsValidUtf8(before + text + after)) << text << at;
    EXPECT_FALSE(IsValidUtf8(before + "\xE2\x82")) << at;
  }
}

TEST(Cp1252ToUtf8, MapsTheCodePage) {
  EXPECT_EQ(Cp1252ToUtf8("Ranch <A> 1.5\r\n"), "Ranch <A> 1.5\r\n");
  EXPECT_EQ(Cp1252ToUtf8("\x80\xE9\x93\x99\x9F"), "\xE2\x82\xAC\xC3\xA9\xE2\x80\x9C\xE2\x84\xA2\xC5\xB8");
  EXPECT_EQ(Cp1252ToUtf8("\x81\xA0\xFF"), "\xC2\x81\xC2\xA0\xC3\xBF");
  std::string every;
  for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
  EXPECT_TRUE(IsValidUtf8(Cp1252ToUtf8(every)));
}

TEST(Utf8ToCp1252, WritesBackEveryByteTheCodePageReads) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte) << b;
  }
  // Characters the code page lacks, and C1 controls other than its five gaps.
  for (const std::string text : {"\xC5\x81", "\xF0\x9F\x90\x84", "\xC2\x80", "\xC2\x9F", "\xE2\x82\xAD"}) {
    EXPECT_FALSE(ReadsBackInWindows1252(text)) << text;
  }
  // Written in the code page these bytes would pose as UTF-8 ("\xC3\xA9" is "\xC3\x83\xC2\xA9").
  EXPECT_FALSE(ReadsBackInWindows1252("\xC3\x83\xC2\xA9"));
  EXPECT_TRUE(ReadsBackInWindows1252("Caf\xC3\xA9 \xE2\x82\xAC \xC2\x81 <A>"));
}

}  // namespace
