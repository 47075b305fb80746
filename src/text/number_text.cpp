#include "text/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "text/byte_words.h"

namespace {

constexpr std::array<double, 7> kPowersOfTen = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
// Below this (2^52) the scaled value, its integer and their halves are exact
// in a double.
constexpr double kExactScaled = 4e15;

std::size_t FormatFixedExactly(std::span<char, kFixedChars> out, double value, int decimals) {
  const auto result = std::to_chars(out.data(), out.data() + out.size(), value,
                                    std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) {
    out[0] = '0';
    return 1;
  }
  return static_cast<std::size_t>(result.ptr - out.data());
}

}  // namespace

std::size_t FormatFixedTo(std::span<char, kFixedChars> out, double value, int decimals) {
  // Amounts are formatted by the hundred thousand: most are rounded here with
  // one multiplication, and only halves and values too large take the exact
  // (and slower) conversion.
  if (decimals < 0 || decimals >= static_cast<int>(kPowersOfTen.size())) {
    return FormatFixedExactly(out, value, decimals);
  }
  const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
  const double product = std::fabs(value) * scale;
  if (!(product < kExactScaled)) return FormatFixedExactly(out, value, decimals);
  // Adding 2^52 leaves no bits for a fraction, so the sum is the product
  // rounded to an integer, half to even, as nearbyint does; the subtraction
  // is exact.
  constexpr double kNoFraction = 4503599627370496.0;  // 2^52
  const double scaled = (product + kNoFraction) - kNoFraction;
  if (!(scaled < kExactScaled)) return FormatFixedExactly(out, value, decimals);
  // Rounding is monotonic and the integer's halves are doubles here, so a
  // rounded product less than a half from the integer means the exact product
  // is too; a half itself may be a tie or a near-tie rounded onto it, and is
  // left to the exact conversion. The subtraction is exact.
  if (!(std::fabs(product - scaled) < 0.5)) return FormatFixedExactly(out, value, decimals);

  // Written from the last digit back to the middle of a zeroed stack array,
  // with a digit before the point, and copied out as a block of fixed size
  // (without a library call): a sign, a point and at most 16 digits.
  constexpr std::size_t kMostChars = 32;
  std::array<char, 2 * kMostChars> text{};
  char* const end = text.data() + kMostChars;
  char* first = end;
  auto digits = static_cast<std::uint64_t>(scaled);
  for (int place = 0; place < decimals; ++place) {
    *--first = static_cast<char>('0' + digits % 10);
    digits /= 10;
  }
  if (decimals > 0) *--first = '.';
  do {
    *--first = static_cast<char>('0' + digits % 10);
    digits /= 10;
  } while (digits != 0);
  if (std::signbit(value)) *--first = '-';
  std::memcpy(out.data(), first, kMostChars);
  return static_cast<std::size_t>(end - first);
}

std::string FormatFixed(double value, int decimals) {
  std::array<char, kFixedChars> buffer;
  return std::string(buffer.data(), FormatFixedTo(buffer, value, decimals));
}

std::string FormatInt(std::int64_t value) {
  std::array<char, 24> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Skips white space and an optional "+", as the C conversions do.
std::string_view NumberStart(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && text[i] == '+' && i + 1 < text.size() && text[i + 1] != '-') ++i;
  return text.substr(i);
}

// Whether a number that does not fit a double is too small rather than too
// large: its decimal magnitude is below zero.
bool IsTooSmall(std::string_view number) {
  const auto isDigit = [&](std::size_t i) {
    return i < number.size() && number[i] >= '0' && number[i] <= '9';
  };
  std::size_t i = number.starts_with('-') ? 1 : 0;
  while (isDigit(i) && number[i] == '0') ++i;
  long magnitude = -1;
  for (; isDigit(i); ++i) ++magnitude;
  if (i < number.size() && number[i] == '.') ++i;
  if (magnitude < 0) {
    while (isDigit(i) && number[i] == '0') {
      --magnitude;
      ++i;
    }
    if (!isDigit(i)) return true;  // all zeros
  }
  while (isDigit(i)) ++i;
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    ++i;
    const bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
    long exponent = 0;
    for (; isDigit(i); ++i) exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000L);
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude < 0;
}

// Powers of ten that are exact doubles.
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kExactInteger = std::uint64_t{1} << 53;

// Four to eight characters, digits with at most one point ("15.5000"), as most
// amounts are: their digits' value, and how many follow the point. All eight
// are read at once, without a branch per character; false for anything else.
bool ReadEightPlaces(const char* at, std::size_t size, std::uint64_t* digits,
                     std::size_t* decimals) {
  if (size < 4 || size > 8) return false;
  // The characters at the word's end (two loads that overlap and agree), '0's
  // in front.
  std::uint32_t first = 0;
  std::uint32_t last = 0;
  std::memcpy(&first, at, 4);
  std::memcpy(&last, at + size - 4, 4);
  const auto fill = static_cast<unsigned>(8 * (8 - size));
  const std::uint64_t zeros = kEveryByteOne * '0';
  std::uint64_t word = (std::uint64_t{last} << 32) | (std::uint64_t{first} << fill);
  word |= zeros & ((std::uint64_t{1} << fill) - 1);
  // A digit is 0 to 9 once '0' is taken away (by a bitwise xor, so that no
  // byte borrows from its neighbour); only one point may be anything else.
  std::uint64_t places = word ^ zeros;
  const std::uint64_t nonDigits = (((places & kEveryByteLow7) + kEveryByteOne * 0x76) | places) &
                                  kEveryByteHigh;
  const std::uint64_t point = BytesEqual(word, '.');
  if (nonDigits != point || (point & (point - 1)) != 0) return false;
  *decimals = 0;
  if (point != 0) {
    // The digits before the point move up one place, over it.
    const auto pointAt = static_cast<unsigned>(std::countr_zero(point) / 8);
    const std::uint64_t upToPoint =
        pointAt == 7 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * pointAt + 8)) - 1;
    places = ((places << 8) & upToPoint) | (places & ~upToPoint);
    *decimals = 7 - pointAt;
  }
  // Neighbouring places joined in pairs, fours and the eight.
  places = (places * 2561) >> 8;
  places = ((places & 0x00FF00FF00FF00FFu) * 6553601) >> 16;
  *digits = ((places & 0x0000FFFF0000FFFFu) * 42949672960001u) >> 32;
  return true;
}

// The text as this program writes amounts ("-12.3400": a minus, digits and a
// point, nothing else). Digits up to 2^53 and a power of ten up to 1e22 are
// exact doubles, so their one correctly rounded quotient is the double nearest
// the decimal, as the full conversion gives; other texts are left to it.
bool ScanPlainDecimal(std::string_view text, double* value) {
  const char* at = text.data();
  const char* const end = at + text.size();
  const bool negative = at < end && *at == '-';
  if (negative) ++at;
  std::uint64_t digits = 0;
  std::size_t decimals = 0;
  if (!ReadEightPlaces(at, static_cast<std::size_t>(end - at), &digits, &decimals)) {
    const auto takeDigits = [&] {
      const char* const first = at;
      for (; at < end && static_cast<unsigned char>(*at - '0') < 10; ++at)
        digits = digits * 10 + static_cast<std::uint64_t>(*at - '0');
      return static_cast<std::size_t>(at - first);
    };
    const std::size_t whole = takeDigits();
    if (at < end && *at == '.') {
      ++at;
      decimals = takeDigits();
    }
    // Beyond 19 digits the sum wraps: left to the full conversion.
    const std::size_t count = whole + decimals;
    if (at != end || count == 0 || count > 19) return false;
  }
  if (digits > kExactInteger) return false;
  const double magnitude = static_cast<double>(digits) / kExactPowersOfTen[decimals];
  *value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace

NumberScan ScanReal(std::string_view text, double* value) {
  if (ScanPlainDecimal(text, value)) return NumberScan::kOk;
  *value = 0;
  const std::string_view number = NumberStart(text);
  double parsed = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), parsed,
                                      std::chars_format::general);
  if (result.ec == std::errc::invalid_argument) return NumberScan::kNone;
  // Below the smallest double the C conversion gives 0; so does this one.
  if (result.ec == std::errc::result_out_of_range && IsTooSmall(number)) return NumberScan::kOk;
  // Infinity and NaN are not amounts; a budget never holds them.
  if (result.ec != std::errc() || !std::isfinite(parsed)) return NumberScan::kOutOfRange;
  *value = parsed;
  return NumberScan::kOk;
}

NumberScan ScanInteger(std::string_view text, std::int32_t* value) {
  *value = 0;
  const std::string_view number = NumberStart(text);
  std::int32_t parsed = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), parsed);
  if (result.ec == std::errc::invalid_argument) return NumberScan::kNone;
  if (result.ec != std::errc()) return NumberScan::kOutOfRange;
  *value = parsed;
  return NumberScan::kOk;
}
