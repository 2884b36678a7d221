#pragma once
// Numbers as the pages show them: printf's fixed notation with a given count of decimals.

#include <string>

// `value` written as printf's "%.<decimals>f" writes it, for any magnitude. An infinity, which only
// an unguarded division by zero produces, is written "∞" or "-∞" rather than printf's "inf";
// a not-a-number is written "NaN".
std::string FormatDecimal(double value, int decimals);
