// A dialog with every kind of control, built from a template and rendered to a picture
// (layer-sample.png in the temporary directory), checked where the dialog units put each control.

#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"

#include <gtest/gtest.h>

#include <array>

namespace {

enum : int { kHeader = 200, kWeight = 201, kMale = 202, kFemale = 203, kDish = 204, kOk = 205, kLog = 206,
             kPush = 207, kLabel = 208, kIcon = 209 };

constexpr std::string_view kDishes[] = {":::선택하세요:::", "쌀밥", "보리밥"};
constexpr COLORREF kBand = RGB(255, 255, 239);
constexpr COLORREF kGrey = RGB(152, 152, 152);

constexpr std::array kControls{
    DialogControl{kHeader, "Static", WS_CHILD | WS_VISIBLE | SS_BITMAP, 0, 0, 0, 255, 19, "#136"},
    DialogControl{kWeight, "Edit", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 49, 24, 56, 12,
                  "65.5"},
    DialogControl{kMale, "Button", WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, 0, 120, 26, 25, 8, "남자"},
    DialogControl{kFemale, "Button", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 0, 150, 26, 25, 8, "여자"},
    DialogControl{kDish, "ComboBox", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 49, 45, 93,
                  130, "", kDishes},
    DialogControl{kOk, "Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, 228, 45, 19, 14, "OK"},
    DialogControl{kLog, "SysListView32", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_NOSORTHEADER,
                  WS_EX_STATICEDGE, 0, 64, 269, 85, "List1"},
    DialogControl{kPush, "Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 181, 152, 56, 14, "확인"},
    DialogControl{kLabel, "Static", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 5, 154, 120, 8, "Vintora 버전 1.0"},
    DialogControl{kIcon, "Static", WS_CHILD | WS_VISIBLE | SS_ICON, 0, 150, 150, 20, 20, "#128"},
};
constexpr DialogTemplate kTemplate{7, WS_POPUP | WS_VISIBLE | WS_BORDER | DS_SETFONT, 0, 269, 177, "", "굴림", 9,
                                   kControls};

// Paints a band behind the radio row and colours the radio buttons as the body pages do.
class CSampleDlg : public CDialog {
public:
    CSampleDlg() : CDialog(kTemplate) {}
    CListCtrl m_log;
    CBrush m_band{kBand};

    class COkButton : public CButton {
    public:
        void DrawItem(LPDRAWITEMSTRUCT dis) override
        {
            CDC* dc = CDC::FromHandle(dis->hDC);
            dc->FillSolidRect(&dis->rcItem, RGB(90, 140, 40));
            dc->SetBkMode(TRANSPARENT);
            dc->SetTextColor(RGB(255, 255, 255));
            CRect r(dis->rcItem);
            dc->DrawText("OK", &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    } m_btnOk;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, kOk, m_btnOk);
        DDX_Control(pDX, kLog, m_log);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_log.InsertColumn(0, "운동종목", LVCFMT_LEFT, 180);
        m_log.InsertColumn(1, "시간(분)", LVCFMT_LEFT, 100);
        m_log.InsertColumn(2, "칼로리(Kcal)", LVCFMT_LEFT, 170);
        m_log.SetExtendedStyle(m_log.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
        for (const char* name : {"걷기(4km/h)", "줄넘기"}) {
            m_log.InsertItem(0, name);
            m_log.SetItemText(0, 1, "30분");
            m_log.SetItemText(0, 2, "114.0");
        }
        m_log.SetCheck(1);
        static_cast<CComboBox*>(GetDlgItem(kDish))->SetCurSel(1);
        static_cast<CButton*>(GetDlgItem(kFemale))->SetCheck(BST_CHECKED);
        return TRUE;
    }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, RGB(255, 255, 255));
        dc.FillSolidRect(0, 32, client.Width(), 32, kBand);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(kGrey);
        dc.TextOut(20, 42, "몸무게");
        dc.TextOut(190, 42, "kg");
    }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        const HBRUSH standard = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
        if (pWnd && (pWnd->GetDlgCtrlID() == kMale || pWnd->GetDlgCtrlID() == kFemale)) {
            pDC->SetTextColor(kGrey);
            pDC->SetBkColor(kBand);
            return m_band;
        }
        return standard;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSampleDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(SampleDialog, EveryControlKindSitsWhereItsDialogUnitsPutIt)
{
    CSampleDlg dlg;
    ASSERT_TRUE(dlg.CreateIndirect(kTemplate));
    ASSERT_TRUE(uitest::ShowAndActivate(&dlg));
    uitest::ProcessEvents();

    EXPECT_EQ(uitest::ControlRect(&dlg, kWeight), CRect(85, 36, 183, 54));
    EXPECT_EQ(uitest::ControlRect(&dlg, kMale), CRect(210, 39, 253, 51));
    EXPECT_EQ(uitest::ControlRect(&dlg, kOk), CRect(399, 67, 432, 88));
    EXPECT_EQ(uitest::ControlRect(&dlg, kLog), CRect(0, 96, 470, 223));
    EXPECT_EQ(uitest::ControlRect(&dlg, kPush), CRect(316, 228, 414, 249));
    EXPECT_EQ(uitest::ControlRect(&dlg, kDish).TopLeft(), CPoint(85, 67));
    const CRect header = uitest::ControlRect(&dlg, kHeader);
    if (FindBitmapResource(136)) {
        EXPECT_EQ(header, CRect(0, 0, 446, 28)) << "a picture static takes its picture's size";
    }
    EXPECT_EQ(uitest::ControlRect(&dlg, kIcon).Size(), CSize(32, 32));

    // Texts as a person reads them.
    EXPECT_EQ(uitest::Text(&dlg, kWeight), "65.5");
    EXPECT_EQ(uitest::Text(&dlg, kDish), "쌀밥");
    EXPECT_EQ(uitest::Text(&dlg, kLabel), "Vintora 버전 1.0");
    EXPECT_EQ(uitest::ListText(&dlg, kLog, 0, 0), "줄넘기");
    EXPECT_TRUE(uitest::IsChecked(&dlg, kFemale));

    // The radio buttons stand on the band with its colour; the owner-drawn button shows its own face.
    const CRect male = uitest::ControlRect(&dlg, kMale);
    EXPECT_EQ(uitest::PixelColor(&dlg, male.left, male.top), kBand);
    bool greyText = false; // the caption is drawn in the text colour that OnCtlColor chose
    for (int x = male.left + male.Width() / 2; x < male.right && !greyText; ++x) {
        for (int y = male.top; y < male.bottom && !greyText; ++y) {
            greyText = uitest::PixelColor(&dlg, x, y) == kGrey;
        }
    }
    EXPECT_TRUE(greyText);
    const CRect ok = uitest::ControlRect(&dlg, kOk);
    EXPECT_EQ(uitest::PixelColor(&dlg, ok.left + 1, ok.top + 1), RGB(90, 140, 40));
    EXPECT_EQ(uitest::PixelColor(&dlg, 300, 250), RGB(255, 255, 255));

    const std::string path = ::testing::TempDir() + "layer-sample.png";
    EXPECT_TRUE(SaveWindowImage(&dlg, path));
    dlg.DestroyWindow();
}

} // namespace
