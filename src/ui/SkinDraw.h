#pragma once
// The drawing operations that all painted surfaces share: the font recipe, bitmap resources drawn by
// plain copy, the banded page background, and the suppression of background erasing.

#include "platform/gdi/DC.h"
#include "platform/window/MessageMap.h"

#include <memory>

// Bands of the page background are this many pixels high.
inline constexpr int kPageBandHeight = 32;

// A new "굴림" font of `points` points and `weight` (400 normal, 700 bold), sized by the context's
// vertical pixels per inch (9 points at 96 dpi: character height 12). The caller selects it, draws,
// selects the previous font back and lets it go before the paint ends. Should the font not be created,
// the object holds no font and selecting it leaves the context's current font in use.
std::unique_ptr<CFont> CreateSkinFont(CDC& dc, int points, int weight);

// Draws the whole bitmap resource `bitmapId` with its upper-left corner at (x, y), by plain copy.
// A bitmap that cannot be loaded draws nothing.
void DrawSkinBitmap(CDC& dc, int bitmapId, int x, int y);

// Fills `bandCount` bands from band number `firstBand`: band k spans the client rectangle's width and
// y = 32k − yOffset to 32k + 32 − yOffset, in kBandColorEven for even k and kBandColorOdd for odd k.
void DrawPageBands(CDC& dc, const CRect& clientRect, int firstBand, int bandCount, int yOffset);

// Answers WM_ERASEBKGND with 0 and draws nothing: for windows whose paint handler covers the whole
// client area through a CBufferedPaintDC, so that no pixel is painted twice.
LRESULT SuppressEraseBackground(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

// Message-map entry of the erase suppression; needs no handler member.
#define ON_WM_ERASEBKGND_SUPPRESSED() {WM_ERASEBKGND, 0, 0, 0, &SuppressEraseBackground},
