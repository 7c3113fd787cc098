// Reading and writing numbers as texts, for the window's boxes and the command line alike.
// No platform dependency.
#pragma once

#include <string>

// The leading whole number as atoi reads it (leading blanks, optional sign, digits up to
// the first other character; no digits give 0), except that it never overflows: it
// saturates at +-INT_MAX, so a 15-digit text counts as huge and std::abs of the result
// is always defined.
int IntegerValue(const std::string& text);

// The longest leading decimal number as atof reads it (leading blanks, optional sign,
// digits with an optional point, an optional exponent), as the double strtod gives; 0 when
// there is none. Only decimal numbers: "inf", "nan" and hexadecimal texts read as 0 (or as
// their leading "0"), so every runtime reads the same texts the same way.
double RealValue(const std::string& text);

// A number as people type one: an optional sign, digits with an optional point (none when
// whole), at least one digit; no blanks, no exponent.
bool IsDecimalText(const std::string& text, bool whole = false);

// The value of such a text, as RealValue reads it; false for any other text and for a value
// beyond the range of doubles.
bool ReadDecimal(const std::string& text, double& value);

// The value as printf's "%.<decimals>f" writes it (decimals 0 to 17): every number shown in
// the window or printed by the command line goes through here, so all agree to the byte.
std::string FormatFixed(double value, int decimals);

// A number as the program shows it: FormatFixed, except that a value that rounds to zero has
// no sign. "-0.000000" in a box, or "-0.0" in a CSV column, would show a sign where there is none.
std::string FormatShown(double value, int decimals);
