#pragma once
// Reads a PDF back as a user's tools see it, with poppler-utils (installed
// by the test command): its text, laid out or word by word with positions,
// its page count and size, and its fonts.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace pdf_tools {

inline bool Available() { return std::system("pdftotext -v >/dev/null 2>&1") == 0; }

// A test that reads PDFs is skipped, with the reason, without the tools.
#define SKIP_WITHOUT_PDF_TOOLS()                                                      \
  if (!pdf_tools::Available()) GTEST_SKIP() << "poppler-utils (pdftotext) is not installed"

inline std::string Run(const std::string& command) {
  std::string out;
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return out;
  std::array<char, 4096> chunk{};
  std::size_t got = 0;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0) out.append(chunk.data(), got);
  pclose(pipe);
  return out;
}

inline std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// The text of pages first to last (0: to the end), laid out as on the page.
inline std::string LayoutText(const std::string& path, int first = 1, int last = 0) {
  std::string range = " -f " + std::to_string(first);
  if (last > 0) range += " -l " + std::to_string(last);
  return Run("pdftotext -layout" + range + " " + Quoted(path) + " -");
}

// A field of pdfinfo ("Pages", "Page size"...), as it prints it.
inline std::string Info(const std::string& path, const std::string& field) {
  const std::string info = Run("pdfinfo " + Quoted(path));
  const std::size_t at = info.find(field + ":");
  if (at == std::string::npos) return {};
  std::size_t begin = info.find_first_not_of(' ', at + field.size() + 1);
  return info.substr(begin, info.find('\n', begin) - begin);
}

inline std::string Fonts(const std::string& path) { return Run("pdffonts " + Quoted(path)); }

struct Word {
  int page = 0;
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  std::string text;
};

inline double Attribute(const std::string& line, const std::string& name) {
  const std::size_t at = line.find(name + "=\"");
  return at == std::string::npos ? 0 : std::atof(line.c_str() + at + name.size() + 2);
}

// Every word with its box in points from the page's top left.
inline std::vector<Word> Words(const std::string& path) {
  std::vector<Word> words;
  const std::string xml = Run("pdftotext -bbox " + Quoted(path) + " -");
  int page = 0;
  std::size_t at = 0;
  while ((at = xml.find('<', at)) != std::string::npos) {
    const std::size_t end = xml.find('>', at);
    const std::string tag = xml.substr(at, end - at + 1);
    if (tag.starts_with("<page ")) ++page;
    if (tag.starts_with("<word ")) {
      const std::size_t close = xml.find("</word>", end);
      words.push_back({page, Attribute(tag, "xMin"), Attribute(tag, "yMin"), Attribute(tag, "xMax"),
                       Attribute(tag, "yMax"), xml.substr(end + 1, close - end - 1)});
    }
    at = end;
  }
  return words;
}

}  // namespace pdf_tools
