#include "text/DecimalText.h"

#include <cmath>
#include <cstdio>

std::string FormatDecimal(double value, int decimals)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "∞" : "-∞";
    // Ask for the length first: a finite double may need more than 300 digits.
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, value);
    return text;
}
