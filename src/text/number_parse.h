#pragma once
// Lenient parse of numbers typed into cells and edit boxes: "$ 1,234.50" is 1234.5.
// A problem writes "Problem with '<field>' field" into *message; it is left alone
// otherwise. A typed amount the document could not carry back (FitsNumberElement)
// is a problem too.

#include <cstdint>
#include <string>
#include <string_view>

double ParseReal(std::string_view text, std::string_view fieldName, std::string* message);
std::int32_t ParseInteger(std::string_view text, std::string_view fieldName, std::string* message);
