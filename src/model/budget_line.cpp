#include "model/budget_line.h"

#include <array>

#include "text/number_parse.h"
#include "text/utf8_text.h"
#include "model/line_chain.h"
#include "text/money.h"

namespace {

constexpr std::array<std::string_view, 8> kSourceWords = {
    "",           "MACHINE",           "EXPENSE",          "BUILDING",
    "INTEREST",   "VETERINARY",        "PURCHASEDLIVESTOCK", "RETAINEDLIVESTOCK"};

constexpr std::string_view kPriceField = "Price or Total";

// Value times Quantity, times Weight when there is one; blank unless both factors
// are there.
double QuantityProduct(const CBudgetLine& line) {
  if (IsBlank(line.value) || IsBlank(line.quantity)) return kBlank;
  const double product = line.value * line.quantity;
  return IsBlank(line.weight) ? product : product * line.weight;
}

bool HasUnits(std::int32_t n) { return n > 0; }

}  // namespace

std::string_view SourceWord(std::int32_t source) {
  if (source < 0 || source >= static_cast<std::int32_t>(kSourceWords.size())) return {};
  return kSourceWords[static_cast<std::size_t>(source)];
}

CBudgetLine::~CBudgetLine() { DestroyChain(next); }

double CBudgetLine::GetTotal(std::int32_t n) const {
  switch (kind) {
    case kKindHeading:
      return kBlank;
    case kKindTotal:
      return IsBlank(value) ? kBlank : RoundCents(value);
    case kKindPerAnimal:
      // A herd of none has a total of nothing, not a blank.
      if (IsBlank(value) || n < 0) return kBlank;
      return RoundCents(static_cast<double>(n) * value);
    default: {
      const double product = QuantityProduct(*this);
      return IsBlank(product) ? kBlank : RoundCents(product);
    }
  }
}

double CBudgetLine::GetPerUnit(std::int32_t n) const {
  switch (kind) {
    case kKindHeading:
      return kBlank;
    case kKindTotal:
      // Dividing by no animals has no answer: blank rather than inf or nan.
      if (IsBlank(value) || !HasUnits(n)) return kBlank;
      return RoundCents(value / static_cast<double>(n));
    case kKindPerAnimal:
      return IsBlank(value) ? kBlank : RoundCents(value);
    default: {
      const double product = QuantityProduct(*this);
      if (IsBlank(product) || !HasUnits(n)) return kBlank;
      return RoundCents(product / static_cast<double>(n));
    }
  }
}

namespace {

// Sums one kind of value over the lines under a heading, up to the next heading.
template <typename ValueOf>
double HeadingSum(const CBudgetLine& heading, ValueOf valueOf) {
  if (heading.kind != kKindHeading) return kBlank;
  double sum = 0;
  int walked = 0;
  for (const CBudgetLine* line = heading.next.get(); line && line->kind != kKindHeading;
       line = line->next.get()) {
    const double v = valueOf(*line);
    if (v > 0) sum += v;
    ++walked;
  }
  return walked == 0 ? kBlank : RoundCents(sum);
}

}  // namespace

double CBudgetLine::GetHeadingTotal(std::int32_t n) const {
  return HeadingSum(*this, [n](const CBudgetLine& line) { return line.GetTotal(n); });
}

double CBudgetLine::GetHeadingPerUnit(std::int32_t n) const {
  return HeadingSum(*this, [n](const CBudgetLine& line) { return line.GetPerUnit(n); });
}

void CBudgetLine::SetKind(std::int32_t newKind) {
  kind = newKind;
  if (newKind == kKindTotal || newKind == kKindPerAnimal) {
    units.clear();
    quantity = kBlank;
  }
}

bool CBudgetLine::SetValue(int column, std::string_view text, std::string* message) {
  std::string scratch;
  std::string* sink = message ? message : &scratch;
  switch (column) {
    case 1:
      label = FirstChars(text, kLineLabelChars);
      return true;
    case 2:
      weight = ParseReal(text, "Weight", sink);
      SetKind(kKindQuantity);
      return true;
    case 3:
      units = FirstChars(text, kLineUnitsChars);
      SetKind(kKindQuantity);
      return true;
    case 4:
      quantity = ParseReal(text, "Quantity", sink);
      SetKind(kKindQuantity);
      return true;
    case 5:
      value = ParseReal(text, kPriceField, sink);
      SetKind(kKindQuantity);
      return true;
    case 6:
      value = ParseReal(text, kPriceField, sink);
      SetKind(kKindTotal);
      return true;
    case 7:
      value = ParseReal(text, kPriceField, sink);
      SetKind(kKindPerAnimal);
      return true;
    default:
      return false;
  }
}

void CBudgetLine::CopyFrom(const CBudgetLine& other) {
  label = other.label;
  units = other.units;
  value = other.value;
  quantity = other.quantity;
  kind = other.kind;
  weight = other.weight;
}
