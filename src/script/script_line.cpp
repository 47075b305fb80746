#include "script/script_line.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads a quoted word starting at the opening quote; false with the error set.
bool ReadQuoted(std::string_view line, std::size_t* at, std::string* word, std::string* error) {
  for (std::size_t i = *at + 1; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') {
      if (i + 1 < line.size() && !IsBlank(line[i + 1])) {
        *error = "a quoted word must end at a blank";
        return false;
      }
      *at = i + 1;
      return true;
    }
    if (c != '\\') {
      *word += c;
      continue;
    }
    if (++i == line.size()) break;
    switch (line[i]) {
      case '\\':
        *word += '\\';
        break;
      case 't':
        *word += '\t';
        break;
      case 'n':
        *word += '\n';
        break;
      case '"':
        *word += '"';
        break;
      default:
        *error = std::string("unknown escape \\") + line[i];
        return false;
    }
  }
  *error = "the quoted word has no closing quote";
  return false;
}

}  // namespace

ScriptLine SplitScriptLine(std::string_view line) {
  ScriptLine result;
  std::size_t at = 0;
  while (true) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at == line.size() || line[at] == '#') break;
    std::string word;
    if (line[at] == '"') {
      if (!ReadQuoted(line, &at, &word, &result.error)) {
        result.words.clear();
        return result;
      }
    } else {
      while (at < line.size() && !IsBlank(line[at])) {
        if (line[at] == '"') {
          result.error = "a quote inside a word";
          result.words.clear();
          return result;
        }
        word += line[at++];
      }
    }
    result.words.push_back(std::move(word));
  }
  return result;
}
