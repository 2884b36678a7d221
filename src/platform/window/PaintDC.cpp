#include "platform/window/PaintDC.h"

#include "platform/window/Wnd.h"

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    if (CDC* dc = pWnd->BeginPaint(&m_ps)) {
        Attach(dc->m_hDC);
    }
}

CPaintDC::~CPaintDC()
{
    Detach();
    if (CWnd* wnd = CWnd::FromHandle(m_hWnd)) {
        wnd->EndPaint(&m_ps);
    }
}
