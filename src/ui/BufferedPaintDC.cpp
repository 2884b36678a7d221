#include "ui/BufferedPaintDC.h"

#include "platform/window/Wnd.h"

CBufferedPaintDC::CBufferedPaintDC(CWnd* pWnd) : m_pWnd(pWnd)
{
    // In the body: the paint record is initialised after the screen context's member.
    m_pScreenDC = m_pWnd->BeginPaint(&m_ps);
    m_pWnd->GetClientRect(&m_rcClient);
    m_memDC.CreateCompatibleDC(m_pScreenDC);
    const int planes = m_memDC.GetDeviceCaps(PLANES);
    const int bitsPerPixel = m_memDC.GetDeviceCaps(BITSPIXEL);
    m_memBitmap.CreateBitmap(m_rcClient.Width(), m_rcClient.Height(), static_cast<UINT>(planes),
                             static_cast<UINT>(bitsPerPixel), nullptr);
    m_pOldBitmap = m_memDC.SelectObject(&m_memBitmap);
    // Output only: attribute queries (device caps, text extents) fall back to the output context, so
    // they too read the memory context with the font that the page selected into this object.
    SetOutputDC(m_memDC.GetSafeHdc());
}

CBufferedPaintDC::~CBufferedPaintDC()
{
    const CRect invalid(m_ps.rcPaint);
    if (m_pScreenDC) {
        m_pScreenDC->BitBlt(invalid.left, invalid.top, invalid.Width(), invalid.Height(), &m_memDC, invalid.left,
                            invalid.top, SRCCOPY);
    }
    if (m_pOldBitmap) {
        m_memDC.SelectObject(m_pOldBitmap);
    }
    m_pWnd->EndPaint(&m_ps);
    ReleaseOutputDC();
    m_memBitmap.DeleteObject();
    m_memDC.DeleteDC();
}
