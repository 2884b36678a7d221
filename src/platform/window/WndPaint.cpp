// CWnd's painting: invalidating, repainting, and the paint context of a WM_PAINT.

#include "platform/window/Wnd.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/DcState.h"
#include "platform/host/WindowRegistry.h"

using layer::Find;
using layer::WindowRecord;

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, void*, UINT flags)
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec || !rec->client) {
        return FALSE;
    }
    QWidget* client = rec->client;
    QRegion area = lpRectUpdate ? layer::ToQRect(*lpRectUpdate).intersected(client->rect()) : client->rect();
    // The window's controls keep their pixels unless the caller asks for its children too: repainting
    // the drop-downs under each repaint of a page only cost time.
    if (!(flags & RDW_ALLCHILDREN)) {
        area -= rec->controls.Of(client);
    }
    if ((flags & RDW_INVALIDATE) && !area.isEmpty()) {
        rec->requested += area;
        if (flags & RDW_ERASE) {
            rec->erasePending = true;
        }
        client->update(area);
    }
    if ((flags & (RDW_UPDATENOW | RDW_ERASENOW)) && client->isVisible() && !rec->requested.isEmpty()) {
        client->repaint(rec->requested);
    }
    return TRUE;
}

void CWnd::Invalidate(BOOL bErase) { InvalidateRect(nullptr, bErase); }

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    RedrawWindow(lpRect, nullptr, RDW_INVALIDATE | (bErase ? RDW_ERASE : 0));
}

void CWnd::UpdateWindow() { RedrawWindow(nullptr, nullptr, RDW_UPDATENOW); }

BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL)
{
    const WindowRecord* rec = Find(m_hWnd);
    QRect r;
    if (rec && rec->paint) {
        r = rec->paint->beginCount == 0 ? rec->paint->rect : QRect();
    } else if (rec) {
        r = rec->requested.boundingRect();
    }
    if (lpRect) {
        *lpRect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
    return !r.isEmpty();
}

CDC* CWnd::BeginPaint(PAINTSTRUCT* lpPaint)
{
    *lpPaint = PAINTSTRUCT{};
    WindowRecord* rec = Find(m_hWnd);
    layer::PaintSession* session = rec ? rec->paint : nullptr;
    if (!session || !rec->client) {
        return nullptr; // only a WM_PAINT has something to paint on
    }
    HDC hdc = layer::NewWindowDc(session->painter, m_hWnd, rec->client->width(), rec->client->height());
    lpPaint->hdc = hdc;
    // The first BeginPaint of a WM_PAINT gets its rectangle; a later one (the default processing after
    // the handler's own paint) finds nothing left to paint.
    if (session->beginCount++ == 0) {
        const QRect r = session->rect;
        lpPaint->rcPaint = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
        lpPaint->fErase = session->eraseLeft;
    }
    return CDC::FromHandle(hdc);
}

void CWnd::EndPaint(const PAINTSTRUCT* lpPaint) { layer::DeleteDc(lpPaint->hdc); }
