#pragma once
// Labels and markup words are matched without regard to case.

#include <string>
#include <string_view>

// ASCII letters only: other bytes, and so any multi-byte character, compare exactly.
bool EqualsNoCase(std::string_view a, std::string_view b);
// Orders as the lower-case texts would: "apple" < "Banana" < "cherry".
bool LessNoCase(std::string_view a, std::string_view b);
// The text with its ASCII letters in lower case: a key that matches as EqualsNoCase does.
std::string LowerAscii(std::string_view text);
