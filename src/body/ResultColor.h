#pragma once
// The colours of the body pages' result sentences and headings, as 0x00BBGGRR values (the layout of
// the platform's COLORREF), so that the logic needs no platform header.

#include <cstdint>

using ResultColor = std::uint32_t;

constexpr ResultColor MakeResultColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return static_cast<ResultColor>(red) | static_cast<ResultColor>(green) << 8 |
           static_cast<ResultColor>(blue) << 16;
}

inline constexpr ResultColor kResultRed = MakeResultColor(192, 0, 0);
inline constexpr ResultColor kResultGreen = MakeResultColor(0, 192, 0);
inline constexpr ResultColor kHeadingRed = kResultRed;
inline constexpr ResultColor kHeadingBlue = MakeResultColor(0, 0, 192);
