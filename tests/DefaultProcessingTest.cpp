// The default processing behind a handler: Default() runs a control's own behaviour, control colours
// come from the owner's WM_CTLCOLOR answer, and the close request has its default per kind of window.

#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

enum : int { kPassing = 11, kSwallowing = 12, kRadio = 13, kLabel = 14, kEdit = 15 }; // not IDOK or IDCANCEL

constexpr DWORD kPush = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr std::array kControls{
    DialogControl{kPassing, "Button", kPush, 0, 5, 5, 50, 14, "통과"},
    DialogControl{kSwallowing, "Button", kPush, 0, 60, 5, 50, 14, "삼킴"},
    DialogControl{kRadio, "Button", WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, 0, 5, 30, 40, 10, "남자"},
    DialogControl{kLabel, "Static", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 60, 30, 60, 10, "라벨(&L)"},
    DialogControl{kEdit, "Edit", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, 0, 5, 45, 60, 12, "처음"},
};
constexpr DialogTemplate kTemplate{8, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 130, 65, "", "굴림", 9, kControls};
constexpr COLORREF kBrushColour = RGB(255, 255, 239);
constexpr COLORREF kTextColour = RGB(152, 152, 152);

// A button that handles the press itself and either lets the default run or not.
class CPressButton : public CButton {
public:
    bool passOn = true;
    int presses = 0;
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        ++presses;
        if (passOn) {
            CButton::OnLButtonDown(nFlags, point);
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPressButton, CButton)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class CDefaultsDlg : public CDialog {
public:
    CDefaultsDlg() : CDialog(kTemplate) {}
    CPressButton m_passing;
    CPressButton m_swallowing;
    CBrush m_brush{kBrushColour};
    std::vector<std::string> log;
    std::vector<UINT> colourRequests;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, kPassing, m_passing);
        DDX_Control(pDX, kSwallowing, m_swallowing);
    }
    void OnCancel() override { log.push_back("cancel"); }
    afx_msg void OnPassing() { log.push_back("passing clicked"); }
    afx_msg void OnSwallowing() { log.push_back("swallowing clicked"); }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        colourRequests.push_back(nCtlColor);
        const HBRUSH standard = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
        if (pWnd && (pWnd->GetDlgCtrlID() == kRadio || pWnd->GetDlgCtrlID() == kLabel)) {
            pDC->SetTextColor(kTextColour);
            return m_brush;
        }
        return standard;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDefaultsDlg, CDialog)
    ON_BN_CLICKED(kPassing, &CDefaultsDlg::OnPassing)
    ON_BN_CLICKED(kSwallowing, &CDefaultsDlg::OnSwallowing)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class DefaultProcessing : public ::testing::Test {
protected:
    CDefaultsDlg m_dlg;
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.CreateIndirect(kTemplate));
        m_dlg.m_swallowing.passOn = false;
        ASSERT_TRUE(uitest::ShowAndActivate(&m_dlg));
    }
};

TEST_F(DefaultProcessing, DefaultRunsTheControlsOwnBehaviourAndWithoutItNothingHappens)
{
    ASSERT_TRUE(uitest::Click(&m_dlg, kPassing));
    ASSERT_TRUE(uitest::Click(&m_dlg, kSwallowing));
    uitest::ProcessEvents();
    EXPECT_EQ(m_dlg.m_passing.presses, 1);
    EXPECT_EQ(m_dlg.m_swallowing.presses, 1);
    EXPECT_EQ(m_dlg.log, std::vector<std::string>{"passing clicked"}) << "a swallowed press makes no click";
}

TEST_F(DefaultProcessing, ControlsTakeTheirColoursFromTheOwnersAnswer)
{
    // The owner is white; the radio button and the label stand on the brush it answered.
    EXPECT_FALSE(m_dlg.colourRequests.empty());
    const CRect radio = uitest::ControlRect(&m_dlg, kRadio);
    const CRect label = uitest::ControlRect(&m_dlg, kLabel);
    EXPECT_EQ(uitest::PixelColor(&m_dlg, radio.right - 1, radio.bottom - 1), kBrushColour);
    EXPECT_EQ(uitest::PixelColor(&m_dlg, label.right - 1, label.bottom - 1), kBrushColour);
    EXPECT_EQ(uitest::PixelColor(&m_dlg, radio.left - 1, radio.top), RGB(255, 255, 255));
    bool greyInk = false;
    for (int x = label.left; x < label.right && !greyInk; ++x) {
        for (int y = label.top; y < label.bottom && !greyInk; ++y) {
            greyInk = uitest::PixelColor(&m_dlg, x, y) == kTextColour;
        }
    }
    EXPECT_TRUE(greyInk) << "the label's text is drawn in the colour set on the context";
    EXPECT_NE(std::find(m_dlg.colourRequests.begin(), m_dlg.colourRequests.end(), CTLCOLOR_BTN),
              m_dlg.colourRequests.end());
    EXPECT_NE(std::find(m_dlg.colourRequests.begin(), m_dlg.colourRequests.end(), CTLCOLOR_STATIC),
              m_dlg.colourRequests.end());
}

TEST_F(DefaultProcessing, ControlTextsAreReadAndWrittenAsUtf8)
{
    EXPECT_EQ(m_dlg.GetDlgItemText(kPassing), "통과");
    EXPECT_EQ(m_dlg.GetDlgItemText(kLabel), "라벨(&L)") << "the text as the template has it, access mark included";
    EXPECT_EQ(m_dlg.GetDlgItemText(kEdit), "처음");
    m_dlg.SetDlgItemText(kEdit, "나중");
    EXPECT_EQ(uitest::Text(&m_dlg, kEdit), "나중");
    m_dlg.SetDlgItemText(kPassing, "다시 하기");
    EXPECT_EQ(uitest::Text(&m_dlg, kPassing), "다시 하기");
    EXPECT_EQ(m_dlg.GetDlgItemText(999), "");
}

TEST_F(DefaultProcessing, ADialogsCloseIsCancelAndAPlainWindowsCloseDestroysIt)
{
    m_dlg.SendMessage(WM_CLOSE);
    EXPECT_EQ(m_dlg.log, std::vector<std::string>{"cancel"});
    EXPECT_TRUE(IsWindow(m_dlg.m_hWnd));

    CWnd plain;
    ASSERT_TRUE(plain.CreateEx(0, nullptr, nullptr, WS_POPUP, CRect(0, 0, 20, 20), nullptr, 0));
    const HWND handle = plain.m_hWnd;
    plain.SendMessage(WM_CLOSE);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(plain.m_hWnd, nullptr);
}

TEST_F(DefaultProcessing, EndDialogOnAModelessDialogHidesIt)
{
    m_dlg.EndDialog(IDOK);
    EXPECT_FALSE(m_dlg.IsWindowVisible());
    EXPECT_TRUE(IsWindow(m_dlg.m_hWnd));
}

} // namespace
