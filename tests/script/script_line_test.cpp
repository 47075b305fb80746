#include "script/script_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Plain lines are read by every golden script; these are the harder ones.
TEST(ScriptLine, SplitsAtBlanksReadsQuotedWordsAndRefusesQuotesItCannotRead) {
  struct Case {
    std::string line;
    std::vector<std::string> words;
    std::string error;
  };
  const std::string unclosed = "the quoted word has no closing quote";
  const std::vector<Case> cases = {
      {"   \t ", {}, ""},
      {"# only a comment", {}, ""},
      {"  cursor\t3   2  ", {"cursor", "3", "2"}, ""},
      {"edit 1071 \"\"", {"edit", "1071", ""}, ""},
      {"type \"a b\\tc\\nd\\\\e\\\"f\"", {"type", "a b\tc\nd\\e\"f"}, ""},
      {"type \"# not a comment\" # a comment", {"type", "# not a comment"}, ""},
      {"file /farm/a#1.vqn", {"file", "/farm/a#1.vqn"}, ""},
      {"type \"caf\xC3\xA9\"", {"type", "caf\xC3\xA9"}, ""},
      {"dump cells\r", {"dump", "cells\r"}, ""},  // the runner strips line ends first
      {"type \"abc", {}, unclosed},
      {"type \"abc\\", {}, unclosed},
      {"type \"abc\\\"", {}, unclosed},
      {"type \"a\\qb\"", {}, "unknown escape \\q"},
      {"type \"ab\"c", {}, "a quoted word must end at a blank"},
      {"type ab\"c\"", {}, "a quote inside a word"},
  };
  for (const Case& c : cases) {
    const ScriptLine line = SplitScriptLine(c.line);
    EXPECT_EQ(line.error, c.error) << c.line;
    EXPECT_EQ(line.words, c.words) << c.line;
  }
}

}  // namespace
