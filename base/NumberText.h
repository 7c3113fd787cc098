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

// The value as printf's "%.<decimals>f" writes it (decimals 0 to 17): every number shown in
// the window or printed by the command line goes through here, so all agree to the byte.
std::string FormatFixed(double value, int decimals);
