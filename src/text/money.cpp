#include "text/money.h"

#include <cmath>

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

std::string FormatPlain(double value) {
  if (!std::isfinite(value)) return {};
  std::string text = FormatFixed(value, 2);
  // A tiny negative remainder of a subtraction must not show as a loss.
  if (text == "-0.00") return "0.00";
  return text;
}

std::string FormatMoney(double value) {
  const std::string text = FormatPlain(value);
  if (text.empty()) return text;
  std::string money("$ ");
  return money.append(text);
}

std::string FormatMoneyOrBlank(double value) {
  return IsBlank(value) ? std::string() : FormatMoney(value);
}

std::string FormatPlainOrBlank(double value) {
  return IsBlank(value) ? std::string() : FormatPlain(value);
}
