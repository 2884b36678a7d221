#pragma once
// Control classes. A dialog's controls come from its template; DDX_Control binds a member object to a
// control by id, after which the member's message map and virtuals (DrawItem) apply to that control.

#include "platform/window/Wnd.h"

#include <string>

// A push button, radio button or owner-drawn button ("Button"). Clicks reach the owner as BN_CLICKED.
class CButton : public CWnd {
public:
    // Owner-drawn buttons (BS_OWNERDRAW) paint only through this; the default draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    int GetCheck() const;           // BST_CHECKED or BST_UNCHECKED
    void SetCheck(int nCheck);      // raises no notification
    UINT GetState() const;          // BST_CHECKED | 0x0004 while pressed
    UINT GetButtonStyle() const;
    // An owner-drawn button that stands for a choice (the selected one of a set): screen readers hear it
    // as a button that is checked (BST_CHECKED) or not, and are told when that changes. Other buttons
    // are heard by their own check state and ignore it.
    void SetAccessibleCheck(int nCheck);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// A single-line edit ("Edit").
class CEdit : public CWnd {
public:
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE); // (0, -1) selects all
    void GetSel(int& nStartChar, int& nEndChar) const;
    void LimitText(int nChars = 0);
};

// A text, bitmap or icon ("Static"). An SS_BITMAP static shows the bitmap resource named by its template
// text "#<id>"; an SS_ICON static the icon resource named the same way.
class CStatic : public CWnd {
public:
    HBITMAP SetBitmap(HBITMAP hBitmap); // previous bitmap; the static does not own it
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
};

// A drop-down list ("ComboBox"). Indexes are zero-based. A CBS_SORT box inserts by Korean,
// case-insensitive collation whatever the system locale. The user's choice raises one CBN_SELCHANGE.
class CComboBox : public CWnd {
public:
    int AddString(const std::string& text); // index of the new entry
    int InsertString(int nIndex, const std::string& text); // -1 appends
    int DeleteString(UINT nIndex);          // remaining count, CB_ERR for a bad index
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;     // -1 when none
    int SetCurSel(int nSelect); // -1 clears; raises no notification; CB_ERR for a bad index
    int GetLBText(int nIndex, std::string& text) const; // length, CB_ERR for a bad index
    int GetLBText(int nIndex, char* buffer) const;      // the caller's buffer must be large enough
    int GetLBTextLen(int nIndex) const;
    int FindStringExact(int nIndexStart, const std::string& text) const;
    BOOL GetDroppedState() const;
    void ShowDropDown(BOOL bShowIt = TRUE);
    // The dropped list in screen coordinates; empty while the list is closed.
    void GetDroppedControlRect(LPRECT lprect) const;
};

