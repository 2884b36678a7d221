#pragma once
// A scrolling view and a form on a dialog template, usable as a plain child window (no document/frame).
// The form builds its template's controls (combo boxes filled with their entries) when created with
// CWnd::Create, then calls OnInitialUpdate, whose default binds DDX_Control members (UpdateData(FALSE)),
// so the owner can use the members as soon as Create returns. It scrolls vertically over the template's
// height with a vertical scroll bar at its right edge; the controls move with the picture.
// Steps: line = total / 100, page = total / 10 (the scroll view's defaults), thumb to any position.

#include "platform/dialog/Dialog.h"

constexpr int MM_TEXT = 1;

class CScrollView : public CWnd {
public:
    static const SIZE sizeDefault;

    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CPoint GetScrollPosition() const;
    CSize GetTotalSize() const { return m_totalDev; }
    void ScrollToPosition(POINT pt);

    // nScrollCode: MAKEWORD(horizontal code, vertical code); 0xFF for "no scrolling" in a direction.
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

protected:
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()

    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;
};

class CFormView : public CScrollView {
public:
    explicit CFormView(UINT nIDTemplate);
    explicit CFormView(const DialogTemplate& formTemplate);

    // A child window on rect with the template's controls; style usually WS_CHILD | WS_VISIBLE.
    BOOL Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, void* pContext = nullptr) override;
    virtual void OnInitialUpdate(); // UpdateData(FALSE)
    // Dialog keys (Tab between the form's tab stops, Enter/Escape as commands to the form). A control
    // that Tab focuses outside the visible part is scrolled into view (through OnScrollBy).
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Scrolls the focused control, when it is inside the form, into view (the dialog keys move the focus).
    void ScrollFocusIntoView();

protected:
    // Scrolls just far enough that a rectangle of the client area (as it lies now) shows whole, or its top
    // if it is taller than the client area.
    void ScrollIntoView(const CRect& rect);

    DECLARE_MESSAGE_MAP()

private:

    const DialogTemplate* m_pTemplate = nullptr;
    UINT m_nIDTemplate = 0;
};
