#pragma once
// The four index tabs on the sheet's right edge: diet diary, body photos, relay diet, diet shop.

#include "ArtCanvas.h"
#include "ArtLayout.h"

inline constexpr int kTabCount = 4;

// Draws tab `index` (0..3) in skin coordinates in the look of `state`.
void DrawIndexTab(ArtCanvas& canvas, int index, FrameState state);
