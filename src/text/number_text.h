#pragma once
// Number <-> text conversions of the document format and the displays, done
// without the C locale so that a user's locale never changes a file.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Amounts stay below this in size, typed, calculated or read: 25 digits with a
// sign, a point and four decimals fill the 31 bytes a number element holds, so
// every amount written reads back the same.
inline constexpr double kLargestAmount = 1e25;
// Finite and below kLargestAmount in size.
inline bool FitsNumberElement(double value) {
  return std::isfinite(value) && std::fabs(value) < kLargestAmount;
}

// printf's "%0.<decimals>f".
std::string FormatFixed(double value, int decimals);
// The same into a buffer, for writers of many numbers; returns its length.
// 309 integer digits, a sign, a point and the decimals fit.
inline constexpr std::size_t kFixedChars = 400;
std::size_t FormatFixedTo(std::span<char, kFixedChars> out, double value, int decimals);
// printf's "%d".
std::string FormatInt(std::int64_t value);

// The C library's text-to-number conversion: leading white space skipped, stops at
// the first character that cannot continue the number. The value is 0 unless kOk.
enum class NumberScan {
  kOk,
  kNone,        // no number starts the text
  kOutOfRange,  // too large for the type, or not a finite number
};
NumberScan ScanReal(std::string_view text, double* value);
NumberScan ScanInteger(std::string_view text, std::int32_t* value);
