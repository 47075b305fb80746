#pragma once
// One line of an automation script split into words.

#include <string>
#include <string_view>
#include <vector>

struct ScriptLine {
  std::vector<std::string> words;
  std::string error;  // empty when the line could be split
};

// Blanks (spaces, tabs) separate words; a word may be "double-quoted", with the
// escapes \\ \t \n and \" inside; a # at the start of a word begins a comment.
ScriptLine SplitScriptLine(std::string_view line);
