// The shares of a record read from its ALLOCATION elements must be what one
// lookup after another gives, however the elements stand in the text.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "farm/record_markup.h"

namespace {

AllocationSlots ReadOneByOne(std::string_view text, std::size_t limit) {
  AllocationSlots shares;
  shares.fill(-7);
  CTagElement found;
  std::size_t from = 0;
  for (double& share : shares) {
    if (!FindElement("ALLOCATION", text, from, limit, &found)) break;
    ReadReal("ALLOCATION", text, from, limit, &share);
    from = found.contentEnd;
  }
  return shares;
}

TEST(AllocationSlots, ReadAsSuccessiveLookupsWouldReadThem) {
  const std::string kTwenty = [] {
    std::string text;
    for (int k = 0; k < 22; ++k) {
      text += "\t\t<ALLOCATION>" + std::to_string(k) + ".50</ALLOCATION>\r\n";
    }
    return text;
  }();
  const std::string cases[] = {
      "<LABEL>Truck</LABEL>\r\n\t\t<ALLOCATION>25.00</ALLOCATION>\r\n"
      "\t\t<ALLOCATION>75.00</ALLOCATION>",
      kTwenty,
      // Other elements, stray text and brackets between shares.
      "<ALLOCATION>1</ALLOCATION><NOTE>x</NOTE><ALLOCATION>2</ALLOCATION>< "
      "<ALLOCATION>3</ALLOCATION>",
      // A closing tag without its opening one, and an opening one inside a share.
      "</ALLOCATION><ALLOCATION>4</ALLOCATION></ALLOCATION><ALLOCATION>5"
      "<ALLOCATION>6</ALLOCATION>",
      // A share never closed, an empty one, one too long to be a number.
      "<ALLOCATION></ALLOCATION><ALLOCATION>" + std::string(40, '9') +
          "</ALLOCATION><ALLOCATION>7",
      "<ALLOCATION>8</ALLOCATIO><ALLOCATION>9</ALLOCATION>",
      "",
  };
  for (const std::string& text : cases) {
    // Limits that cut a tag in two as well as the whole text.
    const std::size_t cutClose = text.size() > 3 ? text.size() - 3 : 0;
    for (std::size_t limit : {text.size(), text.size() / 2, cutClose}) {
      AllocationSlots shares;
      shares.fill(-7);
      ReadAllocationSlots(shares, text, 0, limit);
      EXPECT_EQ(shares, ReadOneByOne(text, limit)) << text << " up to " << limit;
    }
  }
}

}  // namespace
