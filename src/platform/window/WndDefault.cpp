// CWnd's default behaviour: the default window procedure and the handlers that run it.

#include "platform/window/Wnd.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/host/WindowMove.h"
#include "platform/window/Dispatcher.h"
#include "platform/window/HostWidgets.h"
#include "platform/window/Input.h"
#include "platform/window/SystemMenu.h"

#include <QApplication>

using layer::Find;
using layer::WindowRecord;

namespace {

// Where a context menu opens, on the screen: at the pointer, or for the keyboard's request (-1, -1) under
// the focused control (the window's corner when nothing in it has the focus).
QPoint ContextMenuPoint(const WindowRecord* rec, LPARAM lParam)
{
    if (lParam != MAKELPARAM(-1, -1)) {
        return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    }
    const QWidget* focus = QApplication::focusWidget();
    if (focus && rec->outer && (focus == rec->outer || rec->outer->isAncestorOf(focus))) {
        return focus->mapToGlobal(QPoint(0, focus->height()));
    }
    return rec->outer ? rec->outer->mapToGlobal(QPoint(0, 0)) : QPoint();
}

} // namespace

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A message born of a Qt event: the widget's own handling of that event. For a control that is the
    // default; a window, dialog or form goes on to the layer's default below.
    const bool eventHandled = layer::RunEventDefault(m_hWnd, message);
    WindowRecord* rec = Find(m_hWnd);
    if (!rec || (eventHandled && layer::IsControl(rec->kind))) {
        return 0;
    }
    LRESULT controlResult = 0;
    if (layer::Host* host = layer::HostOf(rec); host && host->ControlMessage(message, wParam, lParam, &controlResult)) {
        return controlResult;
    }
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(&ps);
        EndPaint(&ps);
        return 0;
    }
    case WM_ERASEBKGND:
    case WM_ICONERASEBKGND: {
        CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
        if (!dc) {
            return 0;
        }
        // Dialogs and forms take their background from WM_CTLCOLORDLG (white unless a handler says otherwise).
        COLORREF color = RGB(255, 255, 255);
        if (rec->kind == layer::WindowKind::Dialog || rec->kind == layer::WindowKind::Form) {
            const LRESULT brush = SendMessage(WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(m_hWnd));
            GetBrushColor(reinterpret_cast<HBRUSH>(brush), &color);
        }
        CRect rc;
        GetClientRect(&rc);
        dc->FillSolidRect(&rc, color);
        return 1;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(
            OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), FromHandle(reinterpret_cast<HWND>(lParam)),
                       message - WM_CTLCOLORMSGBOX));
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE:
            SendMessage(WM_CLOSE);
            break;
        case SC_MINIMIZE:
            ShowWindow(SW_MINIMIZE);
            break;
        case SC_MAXIMIZE:
            ShowWindow(SW_MAXIMIZE);
            break;
        case SC_RESTORE:
            ShowWindow(SW_RESTORE);
            break;
        case SC_MOVE:
            layer::StartWindowMove(m_hWnd);
            break;
        case SC_KEYMENU:
            if (rec->outer) {
                layer::ShowSystemMenu(m_hWnd, rec->outer->mapToGlobal(QPoint(0, 0)));
            }
            break;
        default:
            break;
        }
        return 0;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCAPTION) {
            layer::MoveFromCaptionPress(m_hWnd);
        }
        return 0;
    case WM_RBUTTONUP: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(&p);
        SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd), MAKELPARAM(p.x, p.y));
        return 0;
    }
    case WM_CONTEXTMENU:
        if (rec->style & WS_CHILD) {
            return layer::Send(rec->parent, WM_CONTEXTMENU, wParam, lParam);
        }
        layer::ShowSystemMenu(m_hWnd, ContextMenuPoint(rec, lParam));
        return 0;
    case WM_SETCURSOR:
        // The parent may decide first; the window under the pointer then shows its class cursor.
        if ((rec->style & WS_CHILD) && layer::Send(rec->parent, WM_SETCURSOR, wParam, lParam)) {
            return TRUE;
        }
        if (reinterpret_cast<HWND>(wParam) != m_hWnd) {
            return FALSE;
        }
        ::SetCursor(LoadCursor(nullptr, IDC_ARROW));
        return TRUE;
    case WM_DRAWITEM: {
        // Owner draw goes to the control's own object (CButton::DrawItem).
        const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        LRESULT result = 0;
        CWnd* control = dis ? FromHandle(dis->hwndItem) : nullptr;
        if (control && control->OnChildNotify(WM_DRAWITEM, wParam, lParam, &result)) {
            return result;
        }
        return 0;
    }
    default:
        return 0;
    }
}

void CWnd::PostNcDestroy() {}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::Default()
{
    const MSG* m = layer::CurrentMessage();
    if (!m || m->hwnd != m_hWnd) {
        return 0;
    }
    return DefWindowProc(m->message, m->wParam, m->lParam);
}

// Handlers with the default behaviour

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnMouseHover(UINT, CPoint) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnDrawItem(int, DRAWITEMSTRUCT*) { Default(); }

HBRUSH CWnd::OnCtlColor(CDC* pDC, CWnd*, UINT)
{
    if (pDC) {
        pDC->SetTextColor(RGB(0, 0, 0));
        pDC->SetBkColor(RGB(255, 255, 255));
    }
    return *layer::StockWhiteBrush();
}
