#pragma once
// The report's font: Arial, or its metric twin Liberation Sans, whose files
// the devices that embed it find here.

#include <functional>
#include <string>

// The font file of the regular or bold face; empty when none is installed.
// HERDWRIGHT_FONT_DIR, when set, is searched first.
std::string FindReportFontFile(bool bold);
// Where the search looked, for the message that says the font is missing.
std::string ReportFontMissingMessage();

// a as Arial's own tables state it: the lower-case letters and the space
// averaged, each weighted by how often it occurs in English text, from the
// characters' advances. Liberation Sans's own table averages every glyph
// and would widen each column by a third.
double WeightedAverageCharWidth(const std::function<double(char)>& advance);
