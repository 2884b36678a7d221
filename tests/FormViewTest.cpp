// A form on a template as the food page uses it: a child window with the template's controls, combo
// boxes filled with their entries, members bound as soon as Create returns, vertical scrolling with the
// scroll view's steps, and the controls moving with the picture.

#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kDishes[] = {":::선택하세요:::", "쌀밥", "보리밥", "김밥"};
constexpr std::string_view kPortions[] = {"0", "0.5", "1", "1.5"};
constexpr DWORD kDrop = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr std::array kControls{
    DialogControl{1001, "ComboBox", kDrop, 0, 47, 24, 77, 130, "", kDishes},
    DialogControl{1017, "ComboBox", kDrop, 0, 143, 24, 29, 130, "", kPortions},
    DialogControl{1016, "ComboBox", kDrop, 0, 46, 343, 77, 130, "", kDishes},
};
// 255 × 362 dialog units: 446 × 543 pixels, taller than the 220-pixel window.
constexpr DialogTemplate kForm{135, WS_CHILD | DS_SETFONT, 0, 255, 362, "", "굴림", 9, kControls};
constexpr DialogTemplate kHost{6, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 420, 240, "", "굴림", 9, {}};

class CProbeForm : public CFormView {
public:
    CProbeForm() : CFormView(kForm) {}
    CComboBox m_cbDish1;
    CComboBox m_cbPortion1;
    std::vector<std::string> log;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, 1017, m_cbPortion1);
        DDX_Control(pDX, 1001, m_cbDish1);
    }
    BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll) override
    {
        log.push_back("scroll " + std::to_string(HIBYTE(nScrollCode)));
        return CFormView::OnScroll(nScrollCode, nPos, bDoScroll);
    }
    BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll) override
    {
        log.push_back("by " + std::to_string(sizeScroll.cy));
        return CFormView::OnScrollBy(sizeScroll, bDoScroll);
    }
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        log.push_back("vscroll " + std::to_string(nSBCode));
        CFormView::OnVScroll(nSBCode, nPos, pScrollBar);
    }
    afx_msg void OnDish1() { log.push_back("dish " + std::to_string(m_cbDish1.GetCurSel())); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeForm, CFormView)
    ON_WM_VSCROLL()
    ON_CBN_SELCHANGE(1001, &CProbeForm::OnDish1)
END_MESSAGE_MAP()

class FormView : public ::testing::Test {
protected:
    CDialog m_host{kHost};
    CProbeForm m_form;

    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateIndirect(kHost));
        ASSERT_TRUE(m_form.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 480, 230), &m_host, 10002));
        // Bound at once: the owner may use the members right after Create.
        m_form.m_cbDish1.SetCurSel(0);
        m_form.m_cbPortion1.SetCurSel(0);
        ASSERT_TRUE(uitest::ShowAndActivate(&m_host));
    }
    void Scroll(UINT code, UINT pos = 0) { m_form.SendMessage(WM_VSCROLL, MAKEWPARAM(code, pos)); }
};

TEST_F(FormView, TheFormHasItsControlsFilledAndBound)
{
    EXPECT_EQ(m_form.GetDlgCtrlID(), 10002);
    EXPECT_EQ(m_form.m_cbDish1.GetCount(), 4);
    EXPECT_EQ(uitest::Text(&m_form, 1001), ":::선택하세요:::");
    EXPECT_EQ(uitest::Text(&m_form, 1017), "0");
    EXPECT_EQ(uitest::ControlRect(&m_form, 1001).TopLeft(), CPoint(82, 36));
    CRect client;
    m_form.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 470 - 17, 220)) << "the vertical scroll bar takes 17 pixels";

    ASSERT_TRUE(uitest::ChooseComboEntry(&m_form, 1001, "보리밥"));
    uitest::ProcessEvents();
    EXPECT_EQ(m_form.log, std::vector<std::string>{"dish 2"});
}

TEST_F(FormView, ScrollingUsesTheScrollViewStepsAndMovesTheControls)
{
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 0);
    EXPECT_EQ(m_form.GetTotalSize(), CSize(446, 543));
    Scroll(SB_LINEDOWN);
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 5) << "a line is a hundredth of 543";
    EXPECT_EQ(m_form.log, (std::vector<std::string>{"vscroll 1", "scroll 1", "by 5"}));
    Scroll(SB_PAGEDOWN);
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 5 + 54) << "a page is a tenth";
    Scroll(SB_THUMBTRACK, 100);
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 100);
    EXPECT_EQ(uitest::ControlRect(&m_form, 1001).TopLeft(), CPoint(82, 36 - 100));
    Scroll(SB_BOTTOM);
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 543 - 220) << "the last row comes into view, no further";
    EXPECT_EQ(uitest::ControlRect(&m_form, 1016).top, 514 - 323);
    Scroll(SB_LINEDOWN);
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 323);
    Scroll(SB_TOP);
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 0);
    EXPECT_EQ(uitest::ControlRect(&m_form, 1001).TopLeft(), CPoint(82, 36));
    Scroll(SB_LINEUP);
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 0);
}

TEST_F(FormView, TabScrollsAControlOutsideTheVisiblePartIntoView)
{
    // Template order: row 1's boxes, then row 16's dish box at 514–534, below the 220-pixel window.
    ASSERT_TRUE(uitest::PressKey(&m_form, 1001, VK_TAB));
    EXPECT_TRUE(uitest::HasFocus(&m_form, 1017));
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 0) << "a visible control needs no scrolling";
    m_form.log.clear();

    ASSERT_TRUE(uitest::PressKey(&m_form, 1017, VK_TAB));
    EXPECT_TRUE(uitest::HasFocus(&m_form, 1016));
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 534 - 220) << "just far enough to show the box";
    EXPECT_EQ(uitest::ControlRect(&m_form, 1016).bottom, 220);
    EXPECT_EQ(m_form.log, std::vector<std::string>{"by 314"}) << "through the view's own scrolling";

    // On round to the first box, above the visible part now: up to its top.
    ASSERT_TRUE(uitest::PressKey(&m_form, 1016, VK_TAB));
    EXPECT_TRUE(uitest::HasFocus(&m_form, 1001));
    EXPECT_EQ(uitest::ControlRect(&m_form, 1001).top, 0);
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 36);

    ASSERT_TRUE(uitest::PressKey(&m_form, 1001, VK_TAB, true)); // Shift+Tab back to the last box
    EXPECT_TRUE(uitest::HasFocus(&m_form, 1016));
    EXPECT_EQ(uitest::ControlRect(&m_form, 1016).bottom, 220);
}

TEST_F(FormView, TheWheelScrollsThreeLinesANotchAlsoOverABoxWithoutFocus)
{
    m_form.SetFocus();
    ASSERT_FALSE(uitest::HasFocus(&m_form, 1001));
    ASSERT_TRUE(uitest::Wheel(&m_form, CPoint(20, 150), -1)); // over the form's background
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 15);
    ASSERT_TRUE(uitest::Wheel(&m_form, uitest::ControlRect(&m_form, 1001).CenterPoint(), -2));
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 45);
    ASSERT_TRUE(uitest::Wheel(&m_form, CPoint(20, 150), 1));
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 30);
    EXPECT_EQ(uitest::Text(&m_form, 1001), ":::선택하세요:::") << "the box under the wheel keeps its choice";
    EXPECT_EQ(std::count(m_form.log.begin(), m_form.log.end(), "vscroll 1"), 9);
    EXPECT_EQ(std::count(m_form.log.begin(), m_form.log.end(), "dish 1"), 0);
}

TEST_F(FormView, TheWheelOverTheFocusedBoxChangesItsChoiceInstead)
{
    ASSERT_TRUE(uitest::PressKey(&m_form, 1017, VK_TAB, true)); // the focus to the dish box
    ASSERT_TRUE(uitest::HasFocus(&m_form, 1001));
    ASSERT_TRUE(uitest::Wheel(&m_form, uitest::ControlRect(&m_form, 1001).CenterPoint(), -1));
    EXPECT_EQ(uitest::Text(&m_form, 1001), "쌀밥");
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 0);
    EXPECT_EQ(m_form.log, std::vector<std::string>{"dish 1"});
}

TEST_F(FormView, OnScrollWithoutScrollingOnlyAnswersWhetherItWould)
{
    EXPECT_TRUE(m_form.OnScroll(MAKEWORD(0xFF, SB_LINEDOWN), 0, FALSE));
    EXPECT_EQ(m_form.GetScrollPos(SB_VERT), 0);
    EXPECT_FALSE(m_form.OnScroll(MAKEWORD(0xFF, SB_LINEUP), 0, FALSE));
}

} // namespace
