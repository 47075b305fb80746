#pragma once
// Texts written into Rich Text whatever they hold: the program's documents
// declare code page 1252 (\ansicpg1252), so a character of that code page is
// written as \'hh and any other as \uN with "?" for readers without Unicode.
// The output is ASCII and never opens or closes a group.

#include <string>
#include <string_view>

// Appends the UTF-8 text: "\", "{" and "}" escaped; a tab as \tab, a line feed
// as \line; carriage returns and other control characters, which show as
// nothing, left out. A byte that is not UTF-8 counts as a Windows-1252 byte.
void AppendRtfEscaped(std::string& rtf, std::string_view text);
