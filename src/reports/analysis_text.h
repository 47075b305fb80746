#pragma once
// The analysis as the window shows it: Rich Text, or the message alone when
// nothing could be analysed; and the plain text a copy places beside it.

#include <string>

class CBudgetAnalysis;

std::string RenderAnalysisRtf(const CBudgetAnalysis& analysis);
// The text of the rendering as a rich text box gives it: paragraphs end with
// "\r\n", tabs stay.
std::string AnalysisPlainText(const CBudgetAnalysis& analysis);
