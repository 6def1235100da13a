#pragma once
// Reading the amount box's text as a number, and writing a number back into it.
#include <string>

// Full-width forms of printable ASCII become ASCII, the ideographic space a blank, the wave dash
// "~" and the two stars "*"; a lead byte at the very end is dropped.
std::string NarrowText(const std::string& text);

// A decimal real from the start of the narrowed text (blanks, sign, digits with an optional
// point, an exponent with e, E, d or D); whatever follows is ignored; no number reads as 0.
double ReadAmountNumber(const std::string& text);

// "%.13g" with "." as the point and the exponent written with three digits ("1e+013").
std::string WriteAmountNumber(double value);
