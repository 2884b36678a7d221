#pragma once
// Message maps: static tables of (message, notification code, control id, handler) per class, looked
// up from the most derived class to the base. Every entry is type-checked: the handler must have the
// exact signature written above its macro, and no member pointer is ever cast.
//
//   class CMyDlg : public CDialog {
//       ...
//       afx_msg void OnPaint();
//       afx_msg void OnBtnOk();
//       DECLARE_MESSAGE_MAP()
//   };
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_WM_PAINT()
//       ON_BN_CLICKED(IDC_OK, &CMyDlg::OnBtnOk)
//   END_MESSAGE_MAP()

#include "platform/core/Messages.h"

#include <type_traits>

class CCmdTarget;
class CWnd;
class CDC;
class CScrollBar;
struct CREATESTRUCT;
struct DRAWITEMSTRUCT;

#define afx_msg

// Calls one handler: unpacks wParam/lParam into its arguments and packs its answer.
using AFX_PMSG_THUNK = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message, WM_COMMAND for commands and notifications
    UINT nCode;    // notification code (WM_COMMAND) or 0
    UINT nID;      // first control id (WM_COMMAND) or 0
    UINT nLastID;  // last control id of the range
    AFX_PMSG_THUNK pfnThunk; // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)(); // null for the root class
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// What WM_CTLCOLOR handlers receive through the lParam of their map entry.
struct AFX_CTLCOLOR {
    HWND hWnd;     // the control (or the window itself)
    HDC hDC;       // the context whose colours the handler may set
    UINT nCtlType; // CTLCOLOR_xxx
};

namespace afxmap {

template <class M>
struct Member;
template <class C, class S>
struct Member<S C::*> {
    using Class = C;
    using Signature = S;
};

// True when Fn is a pointer to a member function of a base of T (or T) with signature S.
template <class T, auto Fn, class S>
constexpr bool kHandlerIs = std::is_member_function_pointer_v<decltype(Fn)> &&
                            std::is_same_v<typename Member<decltype(Fn)>::Signature, S> &&
                            std::is_base_of_v<typename Member<decltype(Fn)>::Class, T>;

// Conversions that the handlers' arguments need (defined by the layer).
CDC* DcFromHandle(WPARAM hdc);
CWnd* WndFromHandle(LPARAM hwnd);
CScrollBar* ScrollBarFromHandle(LPARAM hwnd);
LRESULT FromHandle(void* handle);

template <class T, auto Fn>
T* Target(CCmdTarget* t)
{
    return static_cast<T*>(t);
}

template <class T, auto Fn>
LRESULT VoidThunk(CCmdTarget* t, WPARAM, LPARAM)
{
    static_assert(kHandlerIs<T, Fn, void()>, "this map entry expects: void Fn()");
    (Target<T, Fn>(t)->*Fn)();
    return 0;
}
template <class T, auto Fn>
LRESULT CreateThunk(CCmdTarget* t, WPARAM, LPARAM l)
{
    static_assert(kHandlerIs<T, Fn, int(CREATESTRUCT*)>, "ON_WM_CREATE expects: int OnCreate(LPCREATESTRUCT)");
    return (Target<T, Fn>(t)->*Fn)(reinterpret_cast<CREATESTRUCT*>(l));
}
template <class T, auto Fn>
LRESULT EraseThunk(CCmdTarget* t, WPARAM w, LPARAM)
{
    static_assert(kHandlerIs<T, Fn, BOOL(CDC*)>, "ON_WM_ERASEBKGND expects: BOOL OnEraseBkgnd(CDC*)");
    return (Target<T, Fn>(t)->*Fn)(DcFromHandle(w));
}
template <class T, auto Fn>
LRESULT MouseThunk(CCmdTarget* t, WPARAM w, LPARAM l)
{
    static_assert(kHandlerIs<T, Fn, void(UINT, CPoint)>, "this map entry expects: void Fn(UINT nFlags, CPoint point)");
    (Target<T, Fn>(t)->*Fn)(static_cast<UINT>(w), CPoint(l));
    return 0;
}
template <class T, auto Fn>
LRESULT SysCommandThunk(CCmdTarget* t, WPARAM w, LPARAM l)
{
    static_assert(kHandlerIs<T, Fn, void(UINT, LPARAM)>, "ON_WM_SYSCOMMAND expects: void OnSysCommand(UINT nID, LPARAM lParam)");
    (Target<T, Fn>(t)->*Fn)(static_cast<UINT>(w), l);
    return 0;
}
template <class T, auto Fn>
LRESULT QueryDragIconThunk(CCmdTarget* t, WPARAM, LPARAM)
{
    static_assert(kHandlerIs<T, Fn, HCURSOR()>, "ON_WM_QUERYDRAGICON expects: HCURSOR OnQueryDragIcon()");
    return FromHandle((Target<T, Fn>(t)->*Fn)());
}
template <class T, auto Fn>
LRESULT ShowWindowThunk(CCmdTarget* t, WPARAM w, LPARAM l)
{
    static_assert(kHandlerIs<T, Fn, void(BOOL, UINT)>, "ON_WM_SHOWWINDOW expects: void OnShowWindow(BOOL bShow, UINT nStatus)");
    (Target<T, Fn>(t)->*Fn)(static_cast<BOOL>(w), static_cast<UINT>(l));
    return 0;
}
template <class T, auto Fn>
LRESULT ScrollThunk(CCmdTarget* t, WPARAM w, LPARAM l)
{
    static_assert(kHandlerIs<T, Fn, void(UINT, UINT, CScrollBar*)>,
                  "ON_WM_VSCROLL expects: void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)");
    (Target<T, Fn>(t)->*Fn)(LOWORD(w), HIWORD(w), ScrollBarFromHandle(l));
    return 0;
}
template <class T, auto Fn>
LRESULT CtlColorThunk(CCmdTarget* t, WPARAM, LPARAM l)
{
    static_assert(kHandlerIs<T, Fn, HBRUSH(CDC*, CWnd*, UINT)>,
                  "ON_WM_CTLCOLOR expects: HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)");
    const auto* c = reinterpret_cast<const AFX_CTLCOLOR*>(l);
    return FromHandle((Target<T, Fn>(t)->*Fn)(DcFromHandle(reinterpret_cast<WPARAM>(c->hDC)),
                                              WndFromHandle(reinterpret_cast<LPARAM>(c->hWnd)), c->nCtlType));
}
template <class T, auto Fn>
LRESULT MouseLeaveThunk(CCmdTarget* t, WPARAM, LPARAM)
{
    static_assert(kHandlerIs<T, Fn, void()>, "ON_WM_MOUSELEAVE expects: void OnMouseLeave()");
    (Target<T, Fn>(t)->*Fn)();
    return 0;
}
template <class T, auto Fn>
LRESULT KeyThunk(CCmdTarget* t, WPARAM w, LPARAM l)
{
    static_assert(kHandlerIs<T, Fn, void(UINT, UINT, UINT)>,
                  "this map entry expects: void Fn(UINT nChar, UINT nRepCnt, UINT nFlags)");
    (Target<T, Fn>(t)->*Fn)(static_cast<UINT>(w), LOWORD(static_cast<std::uintptr_t>(l)), HIWORD(static_cast<std::uintptr_t>(l)));
    return 0;
}
template <class T, auto Fn>
LRESULT SetCursorThunk(CCmdTarget* t, WPARAM w, LPARAM l)
{
    static_assert(kHandlerIs<T, Fn, BOOL(CWnd*, UINT, UINT)>,
                  "ON_WM_SETCURSOR expects: BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)");
    return (Target<T, Fn>(t)->*Fn)(WndFromHandle(static_cast<LPARAM>(w)), LOWORD(static_cast<std::uintptr_t>(l)),
                                   HIWORD(static_cast<std::uintptr_t>(l)));
}
template <class T, auto Fn>
LRESULT DrawItemThunk(CCmdTarget* t, WPARAM w, LPARAM l)
{
    static_assert(kHandlerIs<T, Fn, void(int, DRAWITEMSTRUCT*)>,
                  "ON_WM_DRAWITEM expects: void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)");
    (Target<T, Fn>(t)->*Fn)(static_cast<int>(w), reinterpret_cast<DRAWITEMSTRUCT*>(l));
    return 1;
}
template <class T, auto Fn>
LRESULT NotifyThunk(CCmdTarget* t, WPARAM, LPARAM l)
{
    static_assert(kHandlerIs<T, Fn, void(NMHDR*, LRESULT*)>,
                  "ON_NOTIFY expects: void Fn(NMHDR* pNMHDR, LRESULT* pResult)");
    LRESULT result = 0;
    (Target<T, Fn>(t)->*Fn)(reinterpret_cast<NMHDR*>(l), &result);
    return result;
}
template <class T, auto Fn>
LRESULT MessageThunk(CCmdTarget* t, WPARAM w, LPARAM l)
{
    static_assert(kHandlerIs<T, Fn, LRESULT(WPARAM, LPARAM)>, "ON_MESSAGE expects: LRESULT Fn(WPARAM wParam, LPARAM lParam)");
    return (Target<T, Fn>(t)->*Fn)(w, l);
}

} // namespace afxmap

// In the class body. Leaves the access at protected, as the classic macro does.
#define DECLARE_MESSAGE_MAP()                                    \
protected:                                                       \
    static const AFX_MSGMAP* GetThisMessageMap();                \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                   \
    {                                                                                 \
        using ThisClass [[maybe_unused]] = theClass;                                                 \
        using TheBaseClass = baseClass;                                               \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                   \
            {0, 0, 0, 0, nullptr}};                                         \
        static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                        \
    }

// int OnCreate(LPCREATESTRUCT lpCreateStruct)   -- answer -1 to stop the creation
#define ON_WM_CREATE() {WM_CREATE, 0, 0, 0, &afxmap::CreateThunk<ThisClass, &ThisClass::OnCreate>},
// void OnDestroy()
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, &afxmap::VoidThunk<ThisClass, &ThisClass::OnDestroy>},
// void OnClose()
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, 0, &afxmap::VoidThunk<ThisClass, &ThisClass::OnClose>},
// void OnPaint()
#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, &afxmap::VoidThunk<ThisClass, &ThisClass::OnPaint>},
// BOOL OnEraseBkgnd(CDC* pDC)   -- nonzero: the background is erased
#define ON_WM_ERASEBKGND() {WM_ERASEBKGND, 0, 0, 0, &afxmap::EraseThunk<ThisClass, &ThisClass::OnEraseBkgnd>},
// void OnLButtonDown(UINT nFlags, CPoint point)   -- client coordinates
#define ON_WM_LBUTTONDOWN() {WM_LBUTTONDOWN, 0, 0, 0, &afxmap::MouseThunk<ThisClass, &ThisClass::OnLButtonDown>},
// void OnLButtonUp(UINT nFlags, CPoint point)
#define ON_WM_LBUTTONUP() {WM_LBUTTONUP, 0, 0, 0, &afxmap::MouseThunk<ThisClass, &ThisClass::OnLButtonUp>},
// void OnRButtonUp(UINT nFlags, CPoint point)
#define ON_WM_RBUTTONUP() {WM_RBUTTONUP, 0, 0, 0, &afxmap::MouseThunk<ThisClass, &ThisClass::OnRButtonUp>},
// void OnMouseMove(UINT nFlags, CPoint point)
#define ON_WM_MOUSEMOVE() {WM_MOUSEMOVE, 0, 0, 0, &afxmap::MouseThunk<ThisClass, &ThisClass::OnMouseMove>},
// void OnMouseHover(UINT nFlags, CPoint point)
#define ON_WM_MOUSEHOVER() {WM_MOUSEHOVER, 0, 0, 0, &afxmap::MouseThunk<ThisClass, &ThisClass::OnMouseHover>},
// void OnMouseLeave()
#define ON_WM_MOUSELEAVE() {WM_MOUSELEAVE, 0, 0, 0, &afxmap::MouseLeaveThunk<ThisClass, &ThisClass::OnMouseLeave>},
// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND() {WM_SYSCOMMAND, 0, 0, 0, &afxmap::SysCommandThunk<ThisClass, &ThisClass::OnSysCommand>},
// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON() {WM_QUERYDRAGICON, 0, 0, 0, &afxmap::QueryDragIconThunk<ThisClass, &ThisClass::OnQueryDragIcon>},
// void OnShowWindow(BOOL bShow, UINT nStatus)
#define ON_WM_SHOWWINDOW() {WM_SHOWWINDOW, 0, 0, 0, &afxmap::ShowWindowThunk<ThisClass, &ThisClass::OnShowWindow>},
// void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)   -- pScrollBar null for the window's own bar
#define ON_WM_VSCROLL() {WM_VSCROLL, 0, 0, 0, &afxmap::ScrollThunk<ThisClass, &ThisClass::OnVScroll>},
// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)   -- for every WM_CTLCOLORxxx
#define ON_WM_CTLCOLOR() {WM_CTLCOLOR, 0, 0, 0, &afxmap::CtlColorThunk<ThisClass, &ThisClass::OnCtlColor>},
// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_KEYDOWN() {WM_KEYDOWN, 0, 0, 0, &afxmap::KeyThunk<ThisClass, &ThisClass::OnKeyDown>},
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR() {WM_SETCURSOR, 0, 0, 0, &afxmap::SetCursorThunk<ThisClass, &ThisClass::OnSetCursor>},
// void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
#define ON_WM_DRAWITEM() {WM_DRAWITEM, 0, 0, 0, &afxmap::DrawItemThunk<ThisClass, &ThisClass::OnDrawItem>},
// void memberFxn()   -- a command (menu entry, button, IDOK/IDCANCEL from the keyboard)
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id), &afxmap::VoidThunk<ThisClass, memberFxn>},
// void memberFxn()   -- a notification code from control id
#define ON_CONTROL(code, id, memberFxn) \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), &afxmap::VoidThunk<ThisClass, memberFxn>},
// void memberFxn()
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
// void memberFxn()
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
// void memberFxn()
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
// void memberFxn(NMHDR* pNMHDR, LRESULT* pResult)   -- a WM_NOTIFY code from control id
#define ON_NOTIFY(code, id, memberFxn) \
    {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), &afxmap::NotifyThunk<ThisClass, memberFxn>},
// LRESULT memberFxn(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, memberFxn) \
    {static_cast<UINT>(message), 0, 0, 0, &afxmap::MessageThunk<ThisClass, memberFxn>},
