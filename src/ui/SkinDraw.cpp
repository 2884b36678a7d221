#include "ui/SkinDraw.h"

#include "ui/SkinBitmapDC.h"
#include "ui/SkinColors.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr char kSkinFace[] = "굴림";

// The band number of coordinate y (rounded down, also above the page's top).
std::int64_t BandAt(std::int64_t y) { return y / kPageBandHeight - (y % kPageBandHeight < 0 ? 1 : 0); }

} // namespace

std::unique_ptr<CFont> CreateSkinFont(CDC& dc, int points, int weight)
{
    LOGFONT lf{};
    lf.lfHeight = -MulDiv(points, dc.GetDeviceCaps(LOGPIXELSY), 72); // negative: the character height
    lf.lfWeight = weight;
    static_assert(sizeof(kSkinFace) <= sizeof(lf.lfFaceName));
    std::memcpy(lf.lfFaceName, kSkinFace, sizeof(kSkinFace));
    auto font = std::make_unique<CFont>();
    font->CreateFontIndirect(&lf);
    return font;
}

void DrawSkinBitmap(CDC& dc, int bitmapId, int x, int y)
{
    CSkinBitmapDC bitmap(dc, bitmapId);
    if (bitmap.IsLoaded()) {
        dc.BitBlt(x, y, bitmap.Width(), bitmap.Height(), &bitmap, 0, 0, SRCCOPY);
    }
}

void DrawPageBands(CDC& dc, const CRect& clientRect, int firstBand, int bandCount, int yOffset)
{
    if (bandCount <= 0 || clientRect.IsRectEmpty()) {
        return;
    }
    // Only the bands that meet the client rectangle are filled; the others would be clipped away.
    // 64-bit band arithmetic keeps any band number and offset from overflowing.
    const std::int64_t first = firstBand;
    const std::int64_t last = first + bandCount - 1;
    const std::int64_t top = std::int64_t{clientRect.top} + yOffset;
    const std::int64_t bottom = std::int64_t{clientRect.bottom} + yOffset;
    const std::int64_t from = std::max(first, BandAt(top));
    const std::int64_t to = std::min(last, BandAt(bottom - 1));
    for (std::int64_t k = from; k <= to; ++k) {
        const int y = static_cast<int>(k * kPageBandHeight - yOffset);
        dc.FillSolidRect(clientRect.left, y, clientRect.Width(), kPageBandHeight,
                         k % 2 == 0 ? kBandColorEven : kBandColorOdd);
    }
}

LRESULT SuppressEraseBackground(CCmdTarget*, WPARAM, LPARAM) { return 0; }
