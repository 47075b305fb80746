#include "document/budget_state.h"

#include "model/line_chain.h"

LineState LineState::Of(const CBudgetLine& line) {
  return {line.label, line.units, line.value,  line.quantity,
          line.weight, line.kind, line.source, line.stale};
}

void LineState::PutInto(CBudgetLine& line) const {
  line.label = label;
  line.units = units;
  line.value = value;
  line.quantity = quantity;
  line.weight = weight;
  line.kind = kind;
  line.source = source;
  line.stale = stale;
}

std::unique_ptr<CBudgetLine> LineState::Make() const {
  auto line = std::make_unique<CBudgetLine>();
  PutInto(*line);
  return line;
}

std::size_t LineState::HeldBytes() const {
  return sizeof(LineState) + label.capacity() + units.capacity();
}

BudgetHeader BudgetHeader::Of(const CCropBudget& budget) {
  return {budget.publicationId, budget.title,        budget.footnote,    budget.numUnits,
          budget.herdUnitName,  budget.interestRate, budget.interestTerm};
}

void BudgetHeader::PutInto(CCropBudget& budget) const {
  budget.publicationId = publicationId;
  budget.title = title;
  budget.footnote = footnote;
  budget.numUnits = numUnits;
  budget.herdUnitName = herdUnitName;
  budget.interestRate = interestRate;
  budget.interestTerm = interestTerm;
}

std::size_t BudgetHeader::HeldBytes() const {
  return sizeof(BudgetHeader) + publicationId.capacity() + title.capacity() +
         footnote.capacity() + herdUnitName.capacity();
}

BudgetState BudgetState::Of(const CCropBudget& budget) {
  BudgetState state{BudgetHeader::Of(budget), {}};
  for (const LineSlot& head : budget.sections) {
    std::vector<LineState>& lines = state.sections.emplace_back();
    for (const CBudgetLine* line = head.get(); line; line = line->next.get())
      lines.push_back(LineState::Of(*line));
  }
  return state;
}

std::unique_ptr<CCropBudget> BudgetState::Make() const {
  auto budget = std::make_unique<CCropBudget>();
  header.PutInto(*budget);
  for (std::size_t s = 0; s < sections.size() && s < budget->sections.size(); ++s) {
    LineSlot* tail = &budget->sections[s];
    for (const LineState& line : sections[s]) {
      *tail = line.Make();
      tail = &(*tail)->next;
    }
  }
  return budget;
}

std::size_t BudgetState::HeldBytes() const {
  std::size_t bytes = sizeof(BudgetState) + header.HeldBytes() - sizeof(BudgetHeader);
  for (const auto& lines : sections) {
    bytes += sizeof(lines);
    for (const LineState& line : lines) bytes += line.HeldBytes();
  }
  return bytes;
}
