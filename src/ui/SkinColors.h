#pragma once
// The colours that every painted surface shares, as plain RGB triples.

#include "platform/core/Types.h"

inline constexpr COLORREF kPageBackgroundColor = RGB(255, 255, 255); // first fill of every page
inline constexpr COLORREF kBandColorEven = RGB(247, 243, 222);       // bands 0, 2, 4 … of DrawPageBands
inline constexpr COLORREF kBandColorOdd = RGB(255, 255, 239);        // bands 1, 3, 5 …
inline constexpr COLORREF kLabelColor = RGB(152, 152, 152);          // input labels and units of the pages
inline constexpr COLORREF kMenuFillColor = RGB(181, 209, 72);        // an unselected menu button
