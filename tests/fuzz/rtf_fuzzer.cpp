// Any bytes as Rich Text: reading must never crash or overrun, and the text it
// gives is always valid UTF-8, whatever escapes the input holds.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "text/rtf_reader.h"
#include "text/utf8_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view rtf(reinterpret_cast<const char*>(data), size);
  for (const RtfParagraph& paragraph : ReadRtf(rtf)) {
    for (const RtfRun& run : paragraph.runs) {
      if (!IsValidUtf8(run.text)) std::abort();
    }
  }
  return 0;
}
