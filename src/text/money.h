#pragma once
// Rounding and display of amounts. A value below zero is a blank.

#include <string>

inline constexpr double kBlank = -1.0;

inline bool IsBlank(double value) { return !(value >= 0); }

// Half up to n decimals: floor(v * 10^n + 0.5) / 10^n. A result that is not a
// finite number is a blank.
double RoundDecimals(double value, int decimals);
// Half up to cents.
double RoundCents(double value);

// "$ %0.2f". A non-finite amount shows empty; a zero never shows as "-0.00".
std::string FormatMoney(double value);
// "%0.2f", with the same care.
std::string FormatPlain(double value);
// As above, but empty for a blank.
std::string FormatMoneyOrBlank(double value);
std::string FormatPlainOrBlank(double value);
