#pragma once
// The rules that the calculator pages and the food total bar share: Enter and Escape neither close a
// page nor press a button (IsPageEnterOrEscape), and a page object deletes itself when its window is
// destroyed (the main window creates the pages with new and never deletes them).

#include "platform/Afx.h"

class CPageDlg : public CDialog {
public:
    using CDialog::CDialog;

    // Enter and Escape aimed at the page or a control inside it are swallowed; other keys go on to the
    // dialog's own handling.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PostNcDestroy() override; // delete this
};
