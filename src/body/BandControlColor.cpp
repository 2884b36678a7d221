#include "body/BandControlColor.h"

#include "ui/SkinColors.h"

#include <algorithm>

namespace {

HBRUSH g_controlBrush = nullptr; // the program's one control brush; touched on the UI thread only

} // namespace

HBRUSH ColorBandControl(HBRUSH standardBrush, CDC* pDC, const CWnd* pWnd, std::span<const BandControl> bands)
{
    if (g_controlBrush != nullptr) {
        DeleteObject(g_controlBrush);
        g_controlBrush = nullptr;
    }
    if (pWnd == nullptr || pDC == nullptr) {
        return standardBrush;
    }
    const int id = pWnd->GetDlgCtrlID();
    const auto band = std::find_if(bands.begin(), bands.end(), [id](const BandControl& b) { return b.id == id; });
    if (band == bands.end()) {
        return standardBrush;
    }
    g_controlBrush = CreateSolidBrush(band->color);
    pDC->SetTextColor(kLabelColor);
    pDC->SetBkColor(band->color);
    return g_controlBrush;
}
