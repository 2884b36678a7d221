#include "platform/dialog/FormView.h"

#include "platform/controls/ControlFactory.h"
#include "platform/controls/ControlHosts.h"
#include "platform/dialog/DialogKeys.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/window/Dispatcher.h"
#include "platform/window/WindowFactory.h"
#include "platform/window/Wnd.h"

#include <algorithm>
#include <climits>

using layer::Find;
using layer::WindowRecord;

namespace {

// The vertical range follows the client height: total − client, and no bar when the form fits.
void UpdateBars(CScrollView* view)
{
    static bool updating = false; // showing or hiding the bar resizes the client, which comes back here
    WindowRecord* rec = Find(view->m_hWnd);
    auto* frame = rec ? dynamic_cast<layer::FrameHost*>(rec->outer.data()) : nullptr;
    if (!frame || updating) {
        return;
    }
    updating = true;
    const int fullHeight = rec->client->height();
    const int oldPos = view->GetScrollPos(SB_VERT);
    view->SetScrollRange(SB_VERT, 0, std::max(0, view->GetTotalSize().cy - fullHeight), TRUE);
    if (rec->vscroll) {
        rec->vscroll->setPageStep(std::max(1, fullHeight));
    }
    // A shrunk range may have moved the position: the picture follows it.
    if (const int newPos = view->GetScrollPos(SB_VERT); newPos != oldPos) {
        view->ScrollWindow(0, oldPos - newPos);
    }
    updating = false;
}

} // namespace

const SIZE CScrollView::sizeDefault = {0, 0};

BEGIN_MESSAGE_MAP(CScrollView, CWnd)
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

void CScrollView::SetScrollSizes(int, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    m_totalDev = sizeTotal;
    m_pageDev = sizePage;
    m_lineDev = sizeLine;
    // The scroll view's defaults: a page is a tenth of the total, a line a tenth of a page.
    if (m_pageDev.cx == 0) {
        m_pageDev.cx = m_totalDev.cx / 10;
    }
    if (m_pageDev.cy == 0) {
        m_pageDev.cy = m_totalDev.cy / 10;
    }
    if (m_lineDev.cx == 0) {
        m_lineDev.cx = m_pageDev.cx / 10;
    }
    if (m_lineDev.cy == 0) {
        m_lineDev.cy = m_pageDev.cy / 10;
    }
    UpdateBars(this);
}

CPoint CScrollView::GetScrollPosition() const { return CPoint(0, GetScrollPos(SB_VERT)); }

void CScrollView::ScrollToPosition(POINT pt)
{
    int minPos = 0;
    int maxPos = 0;
    GetScrollRange(SB_VERT, &minPos, &maxPos);
    const int y = std::clamp(static_cast<int>(pt.y), minPos, maxPos);
    const int old = GetScrollPos(SB_VERT);
    if (y != old) {
        ScrollWindow(0, old - y);
        SetScrollPos(SB_VERT, y);
    }
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll)
{
    const int yOrig = GetScrollPos(SB_VERT);
    long long y = yOrig;
    switch (HIBYTE(nScrollCode)) {
    case SB_TOP:
        y = 0;
        break;
    case SB_BOTTOM:
        y = INT_MAX;
        break;
    case SB_LINEUP:
        y -= m_lineDev.cy;
        break;
    case SB_LINEDOWN:
        y += m_lineDev.cy;
        break;
    case SB_PAGEUP:
        y -= m_pageDev.cy;
        break;
    case SB_PAGEDOWN:
        y += m_pageDev.cy;
        break;
    case SB_THUMBTRACK:
        y = nPos;
        break;
    default:
        break;
    }
    y = std::clamp<long long>(y, INT_MIN / 2, INT_MAX / 2);
    const BOOL result = OnScrollBy(CSize(0, static_cast<int>(y - yOrig)), bDoScroll);
    if (result && bDoScroll) {
        UpdateWindow();
    }
    return result;
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec || !rec->vscroll || !rec->vscroll->isVisibleTo(rec->outer)) {
        return FALSE; // no vertical scrolling without a bar
    }
    int minPos = 0;
    int maxPos = 0;
    GetScrollRange(SB_VERT, &minPos, &maxPos);
    const int yOrig = GetScrollPos(SB_VERT);
    const int y = static_cast<int>(std::clamp<long long>(static_cast<long long>(yOrig) + sizeScroll.cy, minPos, maxPos));
    if (y == yOrig) {
        return FALSE;
    }
    if (bDoScroll) {
        ScrollWindow(0, yOrig - y);
        SetScrollPos(SB_VERT, y);
    }
    return TRUE;
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar) {
        return; // a scroll bar control's own scrolling is not the view's
    }
    OnScroll(MAKEWORD(0xFF, nSBCode), nPos, TRUE);
}

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
END_MESSAGE_MAP()

CFormView::CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

CFormView::CFormView(const DialogTemplate& formTemplate)
    : m_pTemplate(&formTemplate), m_nIDTemplate(static_cast<UINT>(formTemplate.id))
{
}

BOOL CFormView::Create(const char*, const char* lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       UINT nID, void* pContext)
{
    if (!m_pTemplate) {
        m_pTemplate = FindDialogTemplate(static_cast<int>(m_nIDTemplate));
    }
    if (!m_pTemplate || m_hWnd || !pParentWnd) {
        return FALSE;
    }
    const DialogTemplate& t = *m_pTemplate;
    const DWORD style = (dwStyle | WS_CHILD) & ~WS_POPUP;
    const QRect r(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    WindowRecord* rec = layer::MakeWindow(this, layer::WindowKind::Form, style, 0, r, pParentWnd->m_hWnd,
                                          static_cast<int>(nID), true, lpszWindowName ? lpszWindowName : "");
    rec->client->setFont(layer::DialogFont(t.fontPoints > 0 ? t.fontPoints : 9));
    const HWND self = m_hWnd;
    CREATESTRUCT cs{pContext, nullptr, nullptr, pParentWnd->m_hWnd, r.height(), r.width(), r.y(), r.x(),
                    static_cast<LONG>(style), lpszWindowName, "AfxFrameOrView", 0};
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    layer::CreateTemplateControls(self, t);
    if (auto* frame = dynamic_cast<layer::FrameHost*>(rec->outer.data())) {
        frame->resized = [this, self] {
            if (Find(self)) {
                UpdateBars(this);
            }
        };
    }
    SetScrollSizes(MM_TEXT, CSize(DialogUnitsToPixelsX(t.cx), DialogUnitsToPixelsY(t.cy)));
    OnInitialUpdate();
    layer::ShowIfVisibleStyle(self);
    return Find(self) != nullptr;
}

void CFormView::OnInitialUpdate() { UpdateData(FALSE); }

BOOL CFormView::PreTranslateMessage(MSG* pMsg) { return layer::HandleDialogKey(this, pMsg); }

void CFormView::ScrollFocusIntoView()
{
    CWnd* focus = GetFocus();
    if (!focus || !IsChild(focus)) {
        return;
    }
    CRect rect;
    focus->GetWindowRect(&rect);
    ScreenToClient(&rect);
    ScrollIntoView(rect);
}

void CFormView::ScrollIntoView(const CRect& rect)
{
    CRect client;
    GetClientRect(&client);
    // Down just far enough to show the rectangle's bottom, or up to its top; its top wins if it is taller.
    int dy = 0;
    if (rect.bottom > client.bottom) {
        dy = rect.bottom - client.bottom;
    }
    if (rect.top - dy < client.top) {
        dy = rect.top - client.top;
    }
    if (dy != 0) {
        OnScrollBy(CSize(0, dy), TRUE);
    }
}
