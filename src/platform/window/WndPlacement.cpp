// CWnd's state and placement: showing, enabling, position, size and coordinates.

#include "platform/window/Wnd.h"

#include "platform/host/WindowRegistry.h"
#include "platform/window/HostWidgets.h"

#include <algorithm>

using layer::Find;
using layer::WindowRecord;

namespace {

// A rectangle mapped corner by corner, as `map` maps a point.
void MapCorners(const CWnd& wnd, LPRECT rect, void (CWnd::*map)(LPPOINT) const)
{
    POINT topLeft{rect->left, rect->top};
    POINT bottomRight{rect->right, rect->bottom};
    (wnd.*map)(&topLeft);
    (wnd.*map)(&bottomRight);
    *rect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

} // namespace

BOOL CWnd::ShowWindow(int nCmdShow)
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec || !rec->outer) {
        return FALSE;
    }
    const HWND self = m_hWnd;
    const bool wasVisible = !rec->outer->isHidden();
    const bool topLevel = !(rec->style & WS_CHILD);
    if (nCmdShow == SW_HIDE) {
        if (wasVisible) {
            SendMessage(WM_SHOWWINDOW, FALSE, 0);
            if ((rec = Find(self)) && rec->outer) {
                rec->outer->hide();
            }
        }
        return wasVisible;
    }
    if (!wasVisible) {
        SendMessage(WM_SHOWWINDOW, TRUE, 0);
        rec = Find(self);
        if (!rec || !rec->outer) {
            return FALSE;
        }
        rec->erasePending = true;
    }
    QWidget* outer = rec->outer;
    switch (nCmdShow) {
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        topLevel ? outer->showMinimized() : outer->show();
        break;
    case SW_MAXIMIZE:
        topLevel ? outer->showMaximized() : outer->show();
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        if (topLevel && (outer->isMinimized() || outer->isMaximized())) {
            outer->showNormal();
        } else {
            outer->show();
        }
        if (topLevel) {
            outer->activateWindow();
        }
        break;
    default:
        outer->show();
        if (topLevel && nCmdShow == SW_SHOW) {
            outer->activateWindow();
        }
        break;
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec && rec->outer && rec->outer->isVisible();
}

BOOL CWnd::IsIconic() const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec && !(rec->style & WS_CHILD) && rec->minimized;
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec || !rec->outer) {
        return FALSE;
    }
    const bool wasDisabled = !rec->outer->isEnabled();
    rec->outer->setEnabled(bEnable);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec && rec->outer && rec->outer->isEnabled();
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec || !rec->outer) {
        return FALSE;
    }
    QWidget* outer = rec->outer;
    if (!(nFlags & SWP_NOMOVE)) {
        outer->move(x, y);
    }
    if (!(nFlags & SWP_NOSIZE)) {
        outer->resize(std::max(0, cx), std::max(0, cy));
        if (auto* frame = dynamic_cast<layer::FrameHost*>(outer)) {
            frame->LayoutClient();
        }
    }
    if (!(nFlags & SWP_NOZORDER) && pWndInsertAfter) {
        if (pWndInsertAfter == &wndTop) {
            outer->raise();
        } else if (pWndInsertAfter == &wndBottom) {
            outer->lower();
        } else if (WindowRecord* after = Find(pWndInsertAfter->m_hWnd); after && after->outer) {
            // Behind its sibling, as the classic desktop's z-order, which is also its Tab order.
            outer->stackUnder(after->outer);
            if (after->parent == rec->parent) {
                layer::PlaceInTabOrderAfter(rec, after);
            }
        }
    }
    if ((nFlags & SWP_SHOWWINDOW) && outer->isHidden()) {
        rec->erasePending = true;
        outer->show();
    }
    if (nFlags & SWP_HIDEWINDOW) {
        outer->hide();
    }
    return TRUE;
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL)
{
    SetWindowPos(nullptr, x, y, nWidth, nHeight, SWP_NOZORDER);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    WindowRecord* rec = Find(m_hWnd);
    *lpRect = RECT{0, 0, 0, 0};
    if (rec && rec->client) {
        *lpRect = RECT{0, 0, rec->client->width(), rec->client->height()};
    }
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    WindowRecord* rec = Find(m_hWnd);
    *lpRect = RECT{0, 0, 0, 0};
    if (rec && rec->outer) {
        const QRect r = (rec->style & WS_CHILD) ? QRect(rec->outer->mapToGlobal(QPoint(0, 0)), rec->outer->size())
                                                : rec->outer->frameGeometry();
        *lpRect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    if (WindowRecord* rec = Find(m_hWnd); rec && rec->client) {
        const QPoint p = rec->client->mapToGlobal(QPoint(lpPoint->x, lpPoint->y));
        *lpPoint = POINT{p.x(), p.y()};
    }
}

void CWnd::ClientToScreen(LPRECT lpRect) const { MapCorners(*this, lpRect, &CWnd::ClientToScreen); }

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    if (WindowRecord* rec = Find(m_hWnd); rec && rec->client) {
        const QPoint p = rec->client->mapFromGlobal(QPoint(lpPoint->x, lpPoint->y));
        *lpPoint = POINT{p.x(), p.y()};
    }
}

void CWnd::ScreenToClient(LPRECT lpRect) const { MapCorners(*this, lpRect, &CWnd::ScreenToClient); }

DWORD CWnd::GetStyle() const
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec) {
        return 0;
    }
    DWORD style = rec->style & ~(WS_VISIBLE | WS_DISABLED);
    if (rec->outer && !rec->outer->isHidden()) {
        style |= WS_VISIBLE;
    }
    if (rec->outer && !rec->outer->isEnabled()) {
        style |= WS_DISABLED;
    }
    return style;
}

DWORD CWnd::GetExStyle() const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec ? rec->exStyle : 0;
}
