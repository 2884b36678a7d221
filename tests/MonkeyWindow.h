#pragma once
// The main window as the monkey runs it: the real CCalorieDlg, run modally as the program runs it, with what
// the monkey needs to watch it: the parts it aims at, the state it checks, whether its run has ended (hidden
// by EndDialog or destroyed), and a posted message that tells whether its event loop answers.

#include "MonkeyEvent.h"

#include "app/CalorieDlg.h"

#include <functional>

class CExerciseDlg;
class CFoodTotalBar;
class CFoodView;

class CMonkeyCalorieDlg : public CCalorieDlg {
public:
    // Runs from the window's own modal loop once it is initialised.
    std::function<void()> onStart;

    // The window of a part (MonkeyPart), null when there is none.
    CWnd* Part(int part) const;
    CFoodView* Food() const { return m_pFoodView; }
    CFoodTotalBar* TotalBar() const { return m_pTotalBar; }
    CExerciseDlg* Exercise() const { return m_pExercisePage; }
    const PageState& Model() const { return m_pageModel.State(); }
    CMenuButton& MenuButton(PageId page) { return MenuButtonOf(page); }
    const CMenuButton* CurrentMenuButton() const { return m_pCurrentMenuButton; }
    const CWnd* CurrentPage() const { return m_pCurrentPage; }
    int TitleBitmapId() const { return m_nTitleBitmapId; }

    // Whether the run is over: the window was hidden (EndDialog) or destroyed.
    bool Ended() const { return m_ended; }
    // Posts a message to the window and waits for it to arrive (bounded).
    bool LoopAnswers();

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnStart(WPARAM, LPARAM);
    afx_msg LRESULT OnPing(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    bool m_ended = false;
    bool m_pinged = false;
};
