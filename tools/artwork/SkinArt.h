#pragma once
// The main window's face (bitmap 129): a framed notebook with a green menu column, a white
// sheet and four index tabs on the right edge.

#include <QImage>

#include "ArtLayout.h"

// The whole skin at `scale`, every tab in its normal look except tab `tab`, which shows
// `tabState`. The tab strips are cut from such pictures, so they match the skin pixel for pixel.
QImage PaintSkin(int scale, int tab = -1, FrameState tabState = FrameState::Normal);
