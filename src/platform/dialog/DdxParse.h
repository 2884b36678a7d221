#pragma once
// The numbers of dialog data exchange as text: what an edit must hold to be read into an int or a
// double member, and how members are written back. No Qt here: the fuzzers and tools use it alone.
// Accepted: blanks around the number; an int is an optional sign and decimal digits within the signed
// 32-bit range; a double a finite decimal number with optional point and exponent, a number too small for
// a double ("1e-999") reading as 0. Full-width characters (a Korean input method's "１７０", the ideographic
// space) read as their ASCII forms. Refused: empty text, letters, "nan", "inf", hex forms, overflow
// ("1e999"), anything after the number ("170cm", a second line), and text of more than 1000 bytes.

#include "platform/core/Types.h"

#include <string>

// FALSE leaves value unchanged.
BOOL ParseDdxInt(const std::string& text, int& value);
BOOL ParseDdxDouble(const std::string& text, double& value);
// int as "%d"; double as "%.15g".
std::string FormatDdxInt(int value);
std::string FormatDdxDouble(double value);
