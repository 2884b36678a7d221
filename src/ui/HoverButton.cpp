#include "ui/HoverButton.h"

#include "ui/SkinBitmapDC.h"

void CHoverButton::SetBitmapId(int nBitmapId)
{
    m_nBitmapId = nBitmapId;
    if (IsWindow(m_hWnd)) {
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void CHoverButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_nBitmapId == 0) {
        return;
    }
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    if (!dc) {
        return;
    }
    CSkinBitmapDC strip(*dc, m_nBitmapId);
    if (!strip.IsLoaded()) {
        return;
    }
    const int w = strip.Width();
    int srcX = 0; // pressed wins over hover
    if (lpDrawItemStruct->itemState & ODS_SELECTED) {
        srcX = w - w / 3;
    } else if (m_bHover) {
        srcX = w / 3;
    }
    // The whole strip from the frame on; the button's own size keeps one frame of it.
    dc->BitBlt(0, 0, w, strip.Height(), &strip, srcX, 0, SRCCOPY);
}
