#pragma once
// The food page's dish finder (Ctrl+F): a small modal dialog on template 150 with one entry field and the
// dishes of all sixteen rows that answer to what is typed there (HangulSearch.h), each with its category.
// Dishes whose name or initials start with it come first, then those where it appears further in; within
// each, page order (row, then box order). The first is highlighted; Up and Down move the highlight from
// the field, Enter or a double click chooses the highlighted dish and closes with IDOK, Escape closes with
// IDCANCEL. Enter with nothing found does nothing.

#include "platform/Afx.h"
#include "res/Resource.h"

#include <vector>

// Ctrl+F, the key that opens the finder from any control of the food page or its total bar.
bool IsFinderKey(const MSG& msg);

class CFoodFinderDlg : public CDialog {
public:
    enum { IDD = IDD_FOOD_FINDER };

    explicit CFoodFinderDlg(CWnd* pParent = nullptr);

    // After IDOK: the chosen dish as its row (1 to 16) and its entry in the row's dish box (from 1).
    int m_nRow = 0;
    int m_nDish = 0;

protected:
    CEdit m_editName;        // IDC_FINDER_NAME
    CListCtrl m_listMatches; // IDC_FINDER_MATCHES

    void DoDataExchange(CDataExchange* pDX) override;
    // The list's columns; the field named by its label, the list by what it holds.
    BOOL OnInitDialog() override;
    // Enter chooses wherever the focus is; Up and Down in the field move the list's highlight.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Chooses the highlighted dish, if there is one.
    void OnOK() override;

    afx_msg void OnNameChange();
    afx_msg void OnMatchDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    struct Match {
        int row;
        int dish;
    };
    void ListMatches(); // for the field's text, the first match highlighted
    void Highlight(int item);

    std::vector<Match> m_matches; // in the list's order
};
