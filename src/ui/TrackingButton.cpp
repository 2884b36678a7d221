#include "ui/TrackingButton.h"

#include "platform/window/Input.h"

namespace {
constexpr DWORD kHoverTimeMs = 1; // the highlight shows as soon as the pointer comes to rest
}

BEGIN_MESSAGE_MAP(CTrackingButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_MOUSEHOVER()
END_MESSAGE_MAP()

void CTrackingButton::OnMouseMove(UINT, CPoint)
{
    if (!m_bTracking) {
        // A failed request leaves m_bTracking 0, so the next move asks again.
        TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, m_hWnd, kHoverTimeMs};
        m_bTracking = _TrackMouseEvent(&request);
    }
    Default();
}

void CTrackingButton::OnMouseHover(UINT, CPoint)
{
    m_bHover = 1;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CTrackingButton::OnMouseLeave()
{
    m_bTracking = 0;
    m_bHover = 0;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}
