#include "platform/window/Wnd.h"

#include "platform/core/Menu.h"
#include "platform/core/TextBuffer.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/window/DataExchange.h"
#include "platform/window/Dispatcher.h"
#include "platform/window/HostWidgets.h"
#include "platform/window/WindowFactory.h"

#include <QApplication>
#include <QTimer>

using layer::Find;
using layer::WindowRecord;

// Message maps: the root has no entries; CWnd's defaults live in DefWindowProc (WndDefault.cpp).

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

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
    layer::MakeWindow(this, layer::WindowKind::Window, dwStyle, dwExStyle, layer::ToQRect(rect), parent,
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
    if (message == WM_NOTIFY) {
        return OnNotify(wParam, lParam, pResult);
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

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    const AFX_MSGMAP_ENTRY* e =
        header ? FindEntry(GetMessageMap(), WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom)) : nullptr;
    if (!e) {
        return FALSE;
    }
    *pResult = e->pfnThunk(this, 0, lParam);
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) { return layer::ExchangeData(this, bSaveAndValidate); }

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
    layer::Host* host = layer::HostOf(rec);
    if (!(host && host->SetShownText(s)) && !(rec->style & WS_CHILD) && rec->outer) {
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
    if (const layer::Host* host = layer::HostOf(rec); !(host && host->GetShownText(s))) {
        s = rec->text;
    }
    return s.toStdString();
}

int CWnd::GetWindowText(char* buffer, int maxCount) const
{
    return layer::CopyText(GetWindowText(), buffer, maxCount);
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
        rec->outer->setWindowIcon(icon->windowIcon);
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

// Focus

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
