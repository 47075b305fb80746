// A budget's header, names, markup and copies; a line's markup.
#include <gtest/gtest.h>

#include <string>

#include "budget_fixture.h"
#include "document/tag_buffer.h"

namespace {

using Budget = BudgetFixture;

std::string Written(const CBudgetLine& line, std::string_view extra = {}) {
  CTagBuffer buffer;
  line.WriteTags(buffer, "ROW", extra);
  return std::string(buffer.View());
}

TEST_F(Budget, HeaderFieldsAreCutAndNumbersParsedLeniently) {
  std::string message;
  budget.SetValue(kFieldPublicationId, 0, "CC-09-LONGER-ID", &message);
  budget.SetValue(kFieldFootnote, 0, std::string(600, 'f'), &message);
  budget.SetValue(kFieldHerdUnit, 0, "Heifer calves", &message);
  EXPECT_EQ(budget.publicationId + "|" + budget.herdUnitName, "CC-09-LONGER|Heifer calve");
  EXPECT_EQ(budget.footnote.size(), 512u);
  for (const auto& [text, n] : {std::pair{"120 cows", 120}, {"", -1}, {"lots", -1}, {"2.75", 2}}) {
    EXPECT_EQ(budget.SetValue(kFieldNumberOfUnits, 0, text, &message), 1);
    EXPECT_EQ(budget.numUnits, n) << text;
  }
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(Budget, NamesAndFieldTexts) {
  const struct {
    const char *title, *id;
    int n;
    const char *unit, *name, *tab, *count;
  } cases[] = {
      {"Cow-calf", "", 120, "Cow", "Cow-calf", "Untitled Tab", "120 Cow"},
      {"Cow-calf", "CC-09", -1, "", "Cow-calf (CC-09)", "CC-09", ""},
      {"", "CC-09", 0, "", "CC-09", "CC-09", "0"},
      {"", "", -1, "", "Untitled Budget", "Untitled Tab", ""},
  };
  for (const auto& c : cases) {
    budget.title = c.title;
    budget.publicationId = c.id;
    budget.numUnits = c.n;
    budget.herdUnitName = c.unit;
    EXPECT_EQ(budget.GetDisplayName() + "|" + budget.GetFieldText(kFieldPublicationId) + "|" +
                  budget.GetFieldText(kFieldNumberOfUnits),
              std::string(c.name) + "|" + c.tab + "|" + c.count);
  }
}

TEST_F(Budget, LineMarkupByKind) {
  CBudgetLine& line = Add(kSectionReturns, "Steers", kKindQuantity, 15, -1, 5.5);
  line.units = "cwt";
  EXPECT_EQ(Written(line),
            "<ROW>\r\n\t<LABEL>Steers</LABEL>\r\n\t<UNITS>cwt</UNITS>\r\n\t<PRICE>15.0000</PRICE>\r\n"
            "\t<QUANTITY>-1.0000</QUANTITY>\r\n\t<WEIGHT>5.5000</WEIGHT>\r\n</ROW>\r\n");
  line.SetKind(kKindTotal);
  line.source = kSourceRetainedLivestock;
  EXPECT_EQ(Written(line, "<SECTION>Ownership</SECTION>"),
            "<ROW>\r\n\t<LABEL>Steers</LABEL>\r\n\t<TOTAL>15.0000</TOTAL>\r\n"
            "\t<AUTO>RETAINEDLIVESTOCK</AUTO>\r\n<SECTION>Ownership</SECTION></ROW>\r\n");

  const struct {
    LineKind kind;
    const char *label, *autoWord;
    LineKind readKind;
    std::int32_t readSource;
  } cases[] = {
      {kKindLabelOnly, "Idea", "", kKindQuantity, kSourceNone},
      {kKindHeading, "", "", kKindQuantity, kSourceNone},  // an empty HEADING is missing
      {kKindHeading, "Feed", "", kKindHeading, kSourceNone},
      {kKindPerAnimal, "a<b </LABEL> & &lt;", "machine", kKindPerAnimal, kSourceMachine},
      {kKindTotal, "Tractor", "TRACTOR", kKindTotal, kSourceNone},
  };
  for (const auto& c : cases) {
    CBudgetLine original;
    original.kind = c.kind;
    original.label = c.label;
    const std::string text = Written(original) + "<AUTO>" + c.autoWord + "</AUTO>";
    CBudgetLine read;
    read.ReadTags(text, 0, text.size());
    EXPECT_EQ(read.kind, c.readKind) << c.label;
    EXPECT_EQ(read.label, c.label);
    EXPECT_EQ(read.value, -1) << c.label;
    EXPECT_EQ(read.source, c.readSource) << c.autoWord;
  }
  const std::string longTexts = "<LABEL>" + std::string(40, 'L') + "</LABEL><UNITS>0123456789</UNITS>";
  line.ReadTags(longTexts, 0, longTexts.size());
  EXPECT_EQ(line.label + line.units, std::string(32, 'L') + "01234567");
}

TEST_F(Budget, MarkupRoundTripsAndRowsMayStandInAnyOrder) {
  budget.publicationId = "CC-09";
  budget.footnote = "a < b";
  budget.interestRate = 8;
  Add(kSectionOwnership, "Taxes", kKindTotal, 12);
  Add(kSectionReturns, "Calves", kKindPerAnimal, 74.25);
  CTagBuffer buffer;
  budget.WriteTags(buffer, "LIVESTOCKBUDGET");
  const std::string header =
      "<LIVESTOCKBUDGET>\r\n<PUBLICATION>CC-09</PUBLICATION>\r\n<TITLE></TITLE>\r\n"
      "<NUMACRES>-1</NUMACRES>\r\n<HERDUNITS></HERDUNITS>\r\n<INTERESTRATE>8.00</INTERESTRATE>"
      "\r\n<INTERESTTERM>5.00</INTERESTTERM>\r\n<FOOTNOTE>a &lt; b</FOOTNOTE>\r\n<RECEIPTROW>\r\n";
  EXPECT_EQ(buffer.View().substr(0, header.size()), header);
  CCropBudget read;
  read.ReadTags(buffer.View(), 0, buffer.GetLength());
  CTagBuffer again;
  read.WriteTags(again, "LIVESTOCKBUDGET");
  EXPECT_EQ(again.View(), buffer.View());

  const std::string scattered =
      "<OWNERSHIPROW><LABEL>Tax</LABEL></OWNERSHIPROW><RECEIPTROW><LABEL>A</LABEL></RECEIPTROW>"
      "<OPERATINGROW><LABEL>Hay</LABEL></OPERATINGROW><RECEIPTROW><LABEL>B</LABEL></RECEIPTROW>";
  CCropBudget other;
  other.ReadTags(scattered, 0, scattered.size());
  EXPECT_EQ(other.sections[kSectionReturns]->next->label, "B");
  EXPECT_EQ(other.CountLines(3), 4);
  EXPECT_EQ(other.interestRate + other.interestTerm + other.numUnits, -3) << "missing is blank";
}

TEST_F(Budget, MarginAndCopy) {
  budget.numUnits = 10;
  budget.herdUnitName = "Cow";
  budget.interestRate = 8;
  Add(kSectionReturns, "Calves", kKindQuantity, 15, 9, 5.5);
  Add(kSectionOperating, "Feed", kKindTotal, 300);
  budget.SetCalculated(kSectionOwnership, "Machinery Interest", 90, kSourceMachine, true);
  double returns = 0, operating = 0, margin = 0;
  budget.GetPerUnitMargin(&returns, &operating, &margin);
  EXPECT_DOUBLE_EQ(margin, 74.25 - 30);
  CCropBudget copy;
  copy.AppendLine(kSectionOwnership).label = "replaced";
  copy.CopyFrom(budget);
  EXPECT_EQ(copy.numUnits, 10);
  EXPECT_EQ(copy.herdUnitName + std::to_string(copy.interestRate), "-1.000000");
  EXPECT_EQ(copy.CountLines(3), 3);
  EXPECT_EQ(copy.sections[kSectionOwnership]->value, 90);
  EXPECT_EQ(copy.sections[kSectionOwnership]->source, kSourceNone) << "copies are ordinary lines";
}

}  // namespace
