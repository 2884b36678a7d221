#pragma once
// CCmdTarget and CWnd: one object per window. Each CWnd owns one host widget of the layer; the host's
// events become messages (same numbers as the classic platform) that WindowProc dispatches through the
// class's message map, derived class first; what no entry handles goes to DefWindowProc, the layer's
// default behaviour. A window handle (HWND) is never reused, so a stale handle finds no window.

#include "platform/core/Styles.h"
#include "platform/window/MessageMap.h"

#include <string>

class CDC;
class CMenu;
class CDataExchange;
struct PAINTSTRUCT;

struct CREATESTRUCT {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    const char* lpszName;
    const char* lpszClass;
    DWORD dwExStyle;
};
using LPCREATESTRUCT = CREATESTRUCT*;

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
};

class CWnd : public CCmdTarget {
public:
    // Z-order markers for SetWindowPos: &CWnd::wndTop puts the window on top of its siblings.
    static const CWnd wndTop;
    static const CWnd wndBottom;

    HWND m_hWnd = nullptr;

    CWnd();
    ~CWnd() override; // destroys a window that still exists

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }
    // The object of a window: the member object bound to it (DDX_Control) or the layer's own object.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Creation. className may be null (a plain window); rect is in the parent's client coordinates
    // for a child and in screen coordinates for a top-level window. WM_CREATE arrives before it returns.
    virtual BOOL Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, void* lpParam = nullptr);
    // WM_DESTROY to the window and its children, then WM_NCDESTROY from the children up; PostNcDestroy last.
    virtual BOOL DestroyWindow();

    // Messages
    virtual BOOL PreTranslateMessage(MSG* pMsg); // nonzero: the message is handled and goes no further
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY from a control, to the map's ON_NOTIFY entry for its code and id.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A message about a control (owner draw) offered to the control's own object first.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void PostNcDestroy(); // after the window is gone; self-deleting objects `delete this` here
    virtual void DoDataExchange(CDataExchange* pDX);
    // Runs DoDataExchange; bSaveAndValidate TRUE reads the controls into the members. FALSE when a field failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // The layer's default behaviour for the message being handled now.
    LRESULT Default();
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Arrives later, in order, from any thread; dropped if the window is gone by then.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // State and placement
    BOOL ShowWindow(int nCmdShow); // previous visibility; WM_SHOWWINDOW first (show/hide)
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const; // minimised as the window system reports it, not as asked
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const; // screen coordinates, frame included
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;

    // Family
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    CWnd* GetParent() const;
    CWnd* GetTopLevelParent() const;
    // The tab stop after (bPrevious: before) pWndCtl inside this window, round the loop; the first (last)
    // when pWndCtl is null or no stop of it. The controls of child dialogs and forms stand in their
    // places; a radio group is one stop, its checked button.
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    BOOL IsChild(const CWnd* pWnd) const; // any descendant

    // Text and icons (UTF-8)
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    int GetWindowText(char* buffer, int maxCount) const; // copies at most maxCount - 1 bytes and a 0
    int GetWindowTextLength() const;
    void SetDlgItemText(int nID, const std::string& text);
    std::string GetDlgItemText(int nID) const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon); // previous icon
    HICON GetIcon(BOOL bBigIcon) const;
    // The window's system menu (restore, minimise, close, plus what AppendMenu adds); its entries arrive
    // as WM_SYSCOMMAND. Shown on a right click of the window or Alt+Space. bRevert TRUE restores the
    // standard menu and answers null.
    CMenu* GetSystemMenu(BOOL bRevert) const;

    // What a screen reader says (UTF-8): the window's name (a control's label, a button's caption as a
    // person reads it) and its description (a page's result sentence), announced when it changes.
    void SetAccessibleName(const std::string& name);
    void SetAccessibleDescription(const std::string& description);
    // For a radio button: the name of the group it belongs to (a page's label such as "성별"), given to
    // every button of that group, which a screen reader says before the button's own name. Other windows
    // have no group and ignore it.
    void SetAccessibleGroupName(const std::string& name);

    // Painting
    // RDW_UPDATENOW paints before it returns; RDW_ERASE makes WM_ERASEBKGND come first.
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, void* prgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void UpdateWindow();
    // The smallest rectangle around what is still to be painted: in a WM_PAINT, the paint's rectangle until
    // BeginPaint takes it; elsewhere what was invalidated. FALSE when that is empty.
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
    // Only inside WM_PAINT: the paint context and, in the record, the rectangle to paint.
    CDC* BeginPaint(PAINTSTRUCT* lpPaint);
    void EndPaint(const PAINTSTRUCT* lpPaint);

    // Focus, scrolling
    CWnd* SetFocus(); // previous focus
    static CWnd* GetFocus();
    int GetScrollPos(int nBar) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, int* minPos, int* maxPos) const;
    void SetScrollRange(int nBar, int minPos, int maxPos, BOOL bRedraw = TRUE);
    // Moves the client area's picture and children by (dx, dy); the uncovered part is repainted.
    void ScrollWindow(int xAmount, int yAmount);

protected:
    // Handlers with the default behaviour, to call from a derived handler (e.g. CDialog::OnCreate(p)).
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    // The standard colouring: the window's background brush, black text on it.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnDrawItem(int nIDCtl, DRAWITEMSTRUCT* lpDrawItemStruct);

    DECLARE_MESSAGE_MAP()

private:
    CWnd(HWND marker); // the z-order markers
};

// A window's scroll bar, as the scroll messages name it.
class CScrollBar : public CWnd {};

// Window handles outside a CWnd
BOOL IsWindow(HWND hWnd);
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
inline BOOL PostMessageA(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PostMessage(hWnd, message, wParam, lParam);
}
