#pragma once
// Text is UTF-8 inside the program. Limits "in characters" count code points and
// never cut one in half; a byte that is not part of a valid sequence counts as one
// character.

#include <cstddef>
#include <string>
#include <string_view>

bool IsValidUtf8(std::string_view bytes);
// Older documents were written in the Windows ANSI code page.
std::string Cp1252ToUtf8(std::string_view bytes);
std::size_t CountChars(std::string_view text);
// The first maxChars characters of the text.
std::string_view FirstChars(std::string_view text, std::size_t maxChars);
// The code point's bytes; code points beyond 0x10FFFF and surrogates are the caller's to refuse.
void AppendUtf8(std::string& out, char32_t code);
