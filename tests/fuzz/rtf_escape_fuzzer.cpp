// Any bytes as a text written into Rich Text: the result is ASCII, opens and
// closes no group, and a text of UTF-8 without control characters other than
// tab and line feed reads back as itself.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/rtf_escape.h"
#include "text/rtf_reader.h"
#include "text/utf8_text.h"

namespace {

bool ReadsBackWhole(std::string_view text) {
  if (!IsValidUtf8(text)) return false;
  for (char c : text) {
    const auto byte = static_cast<std::uint8_t>(c);
    if ((byte < 0x20 && c != '\t' && c != '\n') || byte == 0x7F) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string rtf;
  AppendRtfEscaped(rtf, text);
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(rtf[i]);
    if (byte >= 0x80 || byte < 0x20) std::abort();
    if (rtf[i] == '\\') {
      ++i;  // an escaped character, or the first letter of a control word
      if (i == rtf.size()) std::abort();
    } else if (rtf[i] == '{' || rtf[i] == '}') {
      std::abort();
    }
  }
  if (ReadsBackWhole(text)) {
    std::string readBack;
    for (const RtfParagraph& paragraph : ReadRtf("{\\rtf1\\ansi\\ansicpg1252\\uc1 " + rtf + "}"))
      for (const RtfRun& run : paragraph.runs) readBack += run.text;
    if (readBack != text) std::abort();
  }
  return 0;
}
