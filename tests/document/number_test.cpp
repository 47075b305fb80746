#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "document/number_parse.h"
#include "document/number_text.h"
#include "document/tag_reader.h"

namespace {

constexpr const char* kUntouched = "untouched";
constexpr const char* kProblem = "Problem with 'Price or Total' field";

TEST(ParseReal, KeepsDigitsPointsAndMinusSigns) {
  const std::vector<std::tuple<std::string, double, bool>> cases = {
      {"$ 1,234.50", 1234.5, false}, {"$1,250.50", 1250.5, false}, {"15 %", 15, false},
      {"1 1/2", 112, false},         {"1.2.3", 1.2, false},        {"5-3", 5, false},
      {"-.5", -0.5, false},          {"1e5", 15, false},           {"", -1, false},
      {"999999999999999", 999999999999999.0, false},
      {"n/a", -1, true},             {"-", 0, true},               {".", 0, true},
      {"--5", 0, true},
      // At 1e15 the document could no longer carry the amount back.
      {"1,000,000,000,000,000", -1, true}, {"-1000000000000000", -1, true},
      {std::string(300, '9'), -1, true},
  };
  for (const auto& [text, value, problem] : cases) {
    std::string message = kUntouched;
    EXPECT_EQ(ParseReal(text, "Price or Total", &message), value) << text;
    EXPECT_EQ(message, problem ? kProblem : kUntouched) << text;
  }
}

TEST(ParseInteger, TakesAtMost15CharactersAndStopsAtThePoint) {
  const std::vector<std::tuple<std::string, std::int32_t, bool>> cases = {
      {"2.75", 2, false},        {"1,200 head", 1200, false}, {"0000000000001234", 123, false},
      {"2147483647", 2147483647, false},   {"-2147483648", -2147483647 - 1, false},
      {"", -1, false},           {"none", -1, true},          {"-", 0, true},
      {"2147483648", -1, true},  {"-2147483649", -1, true},   {"1234567890123456789", -1, true},
  };
  for (const auto& [text, value, problem] : cases) {
    std::string message = kUntouched;
    EXPECT_EQ(ParseInteger(text, "Price or Total", &message), value) << text;
    EXPECT_EQ(message, problem ? kProblem : kUntouched) << text;
  }
}

std::string Printf(const char* format, double value) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

TEST(FormatFixed, MatchesPrintfInTheCLocale) {
  const std::vector<double> values = {-1,      0,          -0.0,   0.005,      2.675,   -2.675,
                                      0.125,   0.00005,    -0.001, 1234.5,     1e15,    1e20,
                                      -1e20,   1.0 / 3.0,  1e300,  -DBL_MAX,   4.9e-324};
  for (double value : values) {
    EXPECT_EQ(FormatFixed(value, 2), Printf("%0.2f", value)) << value;
    EXPECT_EQ(FormatFixed(value, 4), Printf("%0.4f", value)) << value;
  }
  EXPECT_EQ(FormatFixed(2.675, 2) + FormatFixed(-1, 4), "2.67-1.0000");
  EXPECT_EQ(FormatInt(-1), "-1");
  EXPECT_EQ(FormatInt(INT64_MIN), "-9223372036854775808");
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
  EXPECT_EQ(formatted, "1.50");
  EXPECT_TRUE(found);
  EXPECT_EQ(read, 2.25);
  EXPECT_EQ(parsed, 1234.5);
}

}  // namespace
