#include "ui/platform/Wnd.h"

#include "ui/platform/Controls.h"
#include "ui/platform/ControlOps.h"
#include "ui/platform/DC.h"
#include "ui/platform/Dispatcher.h"
#include "ui/platform/GdiObjects.h"
#include "ui/platform/HostWidgets.h"
#include "ui/platform/Menu.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/Mouse.h"
#include "ui/platform/WindowFactory.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <cstring>

using layer::Find;
using layer::WindowRecord;

// Message maps: the root has no entries; CWnd's defaults live in DefWindowProc.

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace afxmap {
CDC* DcFromHandle(WPARAM hdc) { return CDC::FromHandle(reinterpret_cast<HDC>(hdc)); }
CWnd* WndFromHandle(LPARAM hwnd) { return CWnd::FromHandle(reinterpret_cast<HWND>(hwnd)); }
CScrollBar* ScrollBarFromHandle(LPARAM hwnd) { return dynamic_cast<CScrollBar*>(WndFromHandle(hwnd)); }
LRESULT FromHandle(void* handle) { return reinterpret_cast<LRESULT>(handle); }
} // namespace afxmap

namespace {

const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id)
{
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfnThunk; ++e) {
            if (e->nMessage == message && e->nCode == code && id >= e->nID && id <= e->nLastID) {
                return e;
            }
        }
    }
    return nullptr;
}

// Children and owned windows first in creation order, depth first, the window itself first.
void CollectTree(HWND hwnd, std::vector<HWND>& out)
{
    out.push_back(hwnd);
    for (HWND h : layer::AllWindows()) {
        WindowRecord* r = Find(h);
        if (r && r->parent == hwnd) {
            CollectTree(h, out);
        }
    }
}

void DestroyTree(HWND root)
{
    std::vector<HWND> tree;
    CollectTree(root, tree);
    // WM_DESTROY from the window down, while everything still exists.
    for (HWND h : tree) {
        layer::Send(h, WM_DESTROY);
    }
    for (HWND h : tree) {
        if (WindowRecord* r = Find(h)) {
            r->destroying = true;
            if (r->hoverTimer) {
                r->hoverTimer->stop();
            }
        }
    }
    QPointer<QWidget> rootWidget;
    if (WindowRecord* r = Find(root)) {
        rootWidget = r->outer;
    }
    if (rootWidget) {
        rootWidget->hide();
    }
    // WM_NCDESTROY from the innermost windows up; then the objects learn they have no window.
    for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
        WindowRecord* r = Find(*it);
        if (!r) {
            continue;
        }
        layer::Send(*it, WM_NCDESTROY);
        r = Find(*it);
        CWnd* object = r->wnd;
        const bool layerOwned = r->layerOwnsObject;
        layer::Unregister(*it);
        if (object) {
            object->m_hWnd = nullptr;
            object->PostNcDestroy();
            if (layerOwned) {
                delete object;
            }
        }
    }
    if (rootWidget) {
        rootWidget->deleteLater();
    }
}

QRect ToQRect(const RECT& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

} // namespace

// Construction

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(reinterpret_cast<HWND>(1));

CWnd::CWnd() = default;
CWnd::CWnd(HWND) {}

CWnd::~CWnd()
{
    if (WindowRecord* r = Find(m_hWnd); r && r->wnd == this) {
        DestroyWindow();
    }
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    WindowRecord* r = Find(hWnd);
    return r ? r->wnd : nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) { return FromHandle(hWnd); }

BOOL CWnd::Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, void* lpParam)
{
    if (m_hWnd || ((dwStyle & WS_CHILD) && !pParentWnd)) {
        return FALSE;
    }
    const HWND parent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    layer::MakeWindow(this, layer::WindowKind::Window, dwStyle, dwExStyle, ToQRect(rect), parent,
                      static_cast<int>(nID), false, lpszWindowName ? lpszWindowName : "");
    const HWND self = m_hWnd;
    if (lpszWindowName) {
        Find(self)->text = QString::fromUtf8(lpszWindowName);
    }
    CREATESTRUCT cs{lpParam,        nullptr,     nullptr,        parent, rect.bottom - rect.top, rect.right - rect.left,
                    rect.top,       rect.left,   static_cast<LONG>(dwStyle), lpszWindowName, lpszClassName, dwExStyle};
    if (layer::Send(self, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    layer::ShowIfVisibleStyle(self);
    return Find(self) != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    WindowRecord* r = Find(m_hWnd);
    if (!r || r->destroying) {
        return FALSE;
    }
    DestroyTree(m_hWnd);
    return TRUE;
}

// Messages

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) {
        result = DefWindowProc(message, wParam, lParam);
    }
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            *pResult = 0;
            return TRUE;
        }
        return FALSE;
    }
    if (const AFX_MSGMAP_ENTRY* e = FindEntry(GetMessageMap(), message, 0, 0)) {
        *pResult = e->pfnThunk(this, wParam, lParam);
        return TRUE;
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        if (const AFX_MSGMAP_ENTRY* e = FindEntry(GetMessageMap(), WM_CTLCOLOR, 0, 0)) {
            AFX_CTLCOLOR ctl{reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX};
            *pResult = e->pfnThunk(this, 0, reinterpret_cast<LPARAM>(&ctl));
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM)
{
    const AFX_MSGMAP_ENTRY* e = FindEntry(GetMessageMap(), WM_COMMAND, HIWORD(wParam), LOWORD(wParam));
    if (!e) {
        return FALSE;
    }
    e->pfnThunk(this, 0, 0);
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

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
    if (layer::ControlDefault(rec, message, wParam, lParam, &controlResult)) {
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
            layer::StartWindowMove(m_hWnd);
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
        layer::ShowSystemMenu(m_hWnd, QPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
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

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return layer::Send(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

BOOL IsWindow(HWND hWnd) { return Find(hWnd) != nullptr; }

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return layer::Send(hWnd, message, wParam, lParam);
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return hWnd && layer::Post(hWnd, message, wParam, lParam);
}

// State and placement

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
    return rec && rec->outer && !(rec->style & WS_CHILD) && rec->outer->isMinimized();
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
            outer->stackUnder(after->outer);
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

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    POINT tl{lpRect->left, lpRect->top};
    POINT br{lpRect->right, lpRect->bottom};
    ClientToScreen(&tl);
    ClientToScreen(&br);
    *lpRect = RECT{tl.x, tl.y, br.x, br.y};
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    if (WindowRecord* rec = Find(m_hWnd); rec && rec->client) {
        const QPoint p = rec->client->mapFromGlobal(QPoint(lpPoint->x, lpPoint->y));
        *lpPoint = POINT{p.x(), p.y()};
    }
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    POINT tl{lpRect->left, lpRect->top};
    POINT br{lpRect->right, lpRect->bottom};
    ScreenToClient(&tl);
    ScreenToClient(&br);
    *lpRect = RECT{tl.x, tl.y, br.x, br.y};
}

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

// Family

CWnd* CWnd::GetDlgItem(int nID) const
{
    for (WindowRecord* child : layer::ChildrenOf(m_hWnd)) {
        if (child->id == nID) {
            return child->wnd;
        }
    }
    return nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec ? rec->id : 0;
}

CWnd* CWnd::GetParent() const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec ? FromHandle(rec->parent) : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const
{
    WindowRecord* top = layer::TopLevelOf(Find(m_hWnd));
    return top ? top->wnd : nullptr;
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    for (WindowRecord* r = pWnd ? Find(pWnd->m_hWnd) : nullptr; r && (r->style & WS_CHILD); r = Find(r->parent)) {
        if (r->parent == m_hWnd) {
            return TRUE;
        }
    }
    return FALSE;
}

// Text and icons

void CWnd::SetWindowText(const std::string& text)
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec) {
        return;
    }
    const QString s = QString::fromStdString(text);
    rec->text = s;
    if (!layer::SetControlText(rec, s) && !(rec->style & WS_CHILD) && rec->outer) {
        rec->outer->setWindowTitle(s);
    }
}

std::string CWnd::GetWindowText() const
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec) {
        return {};
    }
    QString s;
    if (!layer::GetControlText(rec, s)) {
        s = rec->text;
    }
    return s.toStdString();
}

int CWnd::GetWindowText(char* buffer, int maxCount) const
{
    if (!buffer || maxCount <= 0) {
        return 0;
    }
    const std::string text = GetWindowText();
    const int n = std::min(static_cast<int>(text.size()), maxCount - 1);
    std::memcpy(buffer, text.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

int CWnd::GetWindowTextLength() const { return static_cast<int>(GetWindowText().size()); }

void CWnd::SetDlgItemText(int nID, const std::string& text)
{
    if (CWnd* item = GetDlgItem(nID)) {
        item->SetWindowText(text);
    }
}

std::string CWnd::GetDlgItemText(int nID) const
{
    CWnd* item = GetDlgItem(nID);
    return item ? item->GetWindowText() : std::string();
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec) {
        return nullptr;
    }
    HICON previous = std::exchange(bBigIcon ? rec->bigIcon : rec->smallIcon, hIcon);
    if (layer::IconObject* icon = layer::AsIcon(hIcon); icon && rec->outer && !(rec->style & WS_CHILD)) {
        rec->outer->setWindowIcon(icon->icon);
    }
    return previous;
}

HICON CWnd::GetIcon(BOOL bBigIcon) const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec ? (bBigIcon ? rec->bigIcon : rec->smallIcon) : nullptr;
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec || (rec->style & WS_CHILD)) {
        return nullptr;
    }
    if (bRevert) {
        rec->systemMenu.reset();
        return nullptr;
    }
    if (!rec->systemMenu) {
        rec->systemMenu = std::make_unique<CMenu>();
        rec->systemMenu->CreatePopupMenu();
        rec->systemMenu->AppendMenu(MF_STRING, SC_RESTORE, "이전 크기로(&R)");
        rec->systemMenu->AppendMenu(MF_STRING, SC_MOVE, "이동(&M)");
        rec->systemMenu->AppendMenu(MF_STRING, SC_MINIMIZE, "최소화(&N)");
        rec->systemMenu->AppendMenu(MF_SEPARATOR);
        rec->systemMenu->AppendMenu(MF_STRING, SC_CLOSE, "닫기(&C)\tAlt+F4");
    }
    return rec->systemMenu.get();
}

int CWnd::MessageBox(const std::string& text, const std::string& caption, UINT nType)
{
    return layer::ShowMessageBox(m_hWnd, text, caption, nType);
}

// Painting

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, void*, UINT flags)
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec || !rec->client) {
        return FALSE;
    }
    QWidget* client = rec->client;
    const QRect area = lpRectUpdate ? ToQRect(*lpRectUpdate).intersected(client->rect()) : client->rect();
    if (flags & RDW_INVALIDATE) {
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

// Focus and scrolling

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (WindowRecord* rec = Find(m_hWnd); rec && rec->client) {
        rec->client->setFocus(Qt::OtherFocusReason);
    }
    return previous;
}

CWnd* CWnd::GetFocus()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus && QApplication::activeWindow()) {
        focus = QApplication::activeWindow()->focusWidget();
    }
    WindowRecord* rec = focus ? layer::FindByWidget(focus) : nullptr;
    return rec ? rec->wnd : nullptr;
}

int CWnd::GetScrollPos(int nBar) const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec && nBar == SB_VERT ? rec->scrollPos : 0;
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL)
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec || nBar != SB_VERT) {
        return 0;
    }
    const int previous = rec->scrollPos;
    rec->scrollPos = std::clamp(nPos, rec->scrollMin, std::max(rec->scrollMin, rec->scrollMax));
    if (rec->vscroll) {
        const QSignalBlocker block(rec->vscroll);
        rec->vscroll->setValue(rec->scrollPos);
    }
    return previous;
}

void CWnd::GetScrollRange(int nBar, int* minPos, int* maxPos) const
{
    WindowRecord* rec = Find(m_hWnd);
    const bool vertical = rec && nBar == SB_VERT;
    *minPos = vertical ? rec->scrollMin : 0;
    *maxPos = vertical ? rec->scrollMax : 0;
}

void CWnd::SetScrollRange(int nBar, int minPos, int maxPos, BOOL)
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec || nBar != SB_VERT) {
        return;
    }
    rec->scrollMin = minPos;
    rec->scrollMax = std::max(minPos, maxPos);
    if (rec->vscroll) {
        const QSignalBlocker block(rec->vscroll);
        rec->vscroll->setRange(rec->scrollMin, rec->scrollMax);
        if (auto* frame = dynamic_cast<layer::FrameHost*>(rec->outer.data())) {
            frame->ShowScrollBar(rec->scrollMax > rec->scrollMin); // an empty range hides the bar
        }
    }
    SetScrollPos(nBar, rec->scrollPos);
}

void CWnd::ScrollWindow(int xAmount, int yAmount)
{
    if (WindowRecord* rec = Find(m_hWnd); rec && rec->client) {
        rec->client->scroll(xAmount, yAmount);
    }
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
