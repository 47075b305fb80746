#include "text/number_parse.h"

#include "text/number_text.h"

namespace {

constexpr std::size_t kRealKeep = 255;
constexpr std::size_t kIntegerKeep = 15;

// Digits, "." and "-" in order; everything else ("$", ",", blanks, letters) dropped.
std::string KeepNumberCharacters(std::string_view text, std::size_t most) {
  std::string kept;
  for (char c : text) {
    if (kept.size() >= most) break;
    if ((c >= '0' && c <= '9') || c == '.' || c == '-') kept += c;
  }
  return kept;
}

void Report(std::string_view fieldName, std::string* message) {
  if (!message) return;
  message->assign("Problem with '").append(fieldName).append("' field");
}

}  // namespace

double ParseReal(std::string_view text, std::string_view fieldName, std::string* message) {
  const std::string kept = KeepNumberCharacters(text, kRealKeep);
  if (kept.empty()) {
    if (!text.empty()) Report(fieldName, message);
    return -1.0;
  }
  double value = 0;
  switch (ScanReal(kept, &value)) {
    case NumberScan::kOk:
      break;
    case NumberScan::kNone:
      Report(fieldName, message);
      return 0;
    case NumberScan::kOutOfRange:
      Report(fieldName, message);
      return -1.0;
  }
  if (!FitsNumberElement(value)) {
    Report(fieldName, message);
    return -1.0;
  }
  return value;
}

std::int32_t ParseInteger(std::string_view text, std::string_view fieldName,
                          std::string* message) {
  const std::string kept = KeepNumberCharacters(text, kIntegerKeep);
  if (kept.empty()) {
    if (!text.empty()) Report(fieldName, message);
    return -1;
  }
  std::int32_t value = 0;
  switch (ScanInteger(kept, &value)) {
    case NumberScan::kOk:
      return value;
    case NumberScan::kNone:
      Report(fieldName, message);
      return 0;
    case NumberScan::kOutOfRange:
      break;
  }
  Report(fieldName, message);
  return -1;
}
