#pragma once
// Labels and markup words are matched without regard to case.

#include <string_view>

// ASCII letters only: other bytes, and so any multi-byte character, compare exactly.
bool EqualsNoCase(std::string_view a, std::string_view b);
