#include "text/money.h"

#include <array>
#include <cmath>
#include <string_view>

#include "text/number_text.h"

double RoundDecimals(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double rounded = std::floor(value * scale + 0.5) / scale;
  return std::isfinite(rounded) ? rounded : kBlank;
}

double RoundCents(double value) {
  // RoundDecimals with two decimals, without working out the scale each time.
  const double rounded = std::floor(value * 100.0 + 0.5) / 100.0;
  return std::isfinite(rounded) ? rounded : kBlank;
}

namespace {

// "%0.2f" after the prefix, on the stack: a grid shows thousands of amounts.
std::string FormatCents(double value, std::string_view prefix) {
  if (!std::isfinite(value)) return {};
  std::array<char, kFixedChars> digits;
  std::string_view text(digits.data(), FormatFixedTo(digits, value, 2));
  // A tiny negative remainder of a subtraction must not show as a loss.
  if (text == "-0.00") text = "0.00";
  std::string formatted;
  formatted.reserve(prefix.size() + text.size());
  return formatted.append(prefix).append(text);
}

}  // namespace

std::string FormatPlain(double value) { return FormatCents(value, {}); }

std::string FormatMoney(double value) { return FormatCents(value, "$ "); }

std::string FormatMoneyOrBlank(double value) {
  return IsBlank(value) ? std::string() : FormatMoney(value);
}

std::string FormatPlainOrBlank(double value) {
  return IsBlank(value) ? std::string() : FormatPlain(value);
}
