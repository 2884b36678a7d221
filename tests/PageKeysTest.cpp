// The Enter/Escape rule that the pages share, on key messages as the message loop hands them over.

#include "platform/Afx.h"
#include "ui/PageKeys.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr int kEditId = 100;
constexpr std::array kControls{
    DialogControl{kEditId, "Edit", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, 0, 4, 4, 40, 12, ""},
};
constexpr DialogTemplate kPageTemplate{9001, WS_CHILD | DS_SETFONT, 0, 60, 30, "", "굴림", 9, kControls};

class PageKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "keys", WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0));
        ASSERT_TRUE(m_page.CreateIndirect(kPageTemplate, &m_parent));
        ASSERT_TRUE(m_sibling.CreateIndirect(kPageTemplate, &m_parent));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    static MSG Key(HWND hwnd, UINT message, WPARAM key) { return MSG{hwnd, message, key, 0, 0, {0, 0}}; }
    HWND Edit(CDialog& dialog) const { return dialog.GetDlgItem(kEditId)->GetSafeHwnd(); }

    CWnd m_parent;
    CDialog m_page{kPageTemplate};
    CDialog m_sibling{kPageTemplate};
};

TEST_F(PageKeysTest, EnterOrEscapeKeyDownOnThePageOrItsControls)
{
    for (const HWND target : {m_page.GetSafeHwnd(), Edit(m_page)}) {
        EXPECT_TRUE(IsPageEnterOrEscape(m_page, Key(target, WM_KEYDOWN, VK_RETURN)));
        EXPECT_TRUE(IsPageEnterOrEscape(m_page, Key(target, WM_KEYDOWN, VK_ESCAPE)));
    }
}

TEST_F(PageKeysTest, NotOtherKeysNorOtherMessagesOfTheseKeys)
{
    const HWND edit = Edit(m_page);
    for (const UINT key : {VK_TAB, VK_SPACE, VK_DOWN, VK_BACK, static_cast<UINT>('A')}) {
        EXPECT_FALSE(IsPageEnterOrEscape(m_page, Key(edit, WM_KEYDOWN, key))) << key;
    }
    for (const UINT message : {WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_LBUTTONDOWN}) {
        EXPECT_FALSE(IsPageEnterOrEscape(m_page, Key(edit, message, VK_RETURN))) << message;
        EXPECT_FALSE(IsPageEnterOrEscape(m_page, Key(edit, message, VK_ESCAPE))) << message;
    }
}

TEST_F(PageKeysTest, NotKeysAimedOutsideThePage)
{
    const HWND outside[] = {m_parent.GetSafeHwnd(), m_sibling.GetSafeHwnd(), Edit(m_sibling), nullptr};
    for (const HWND target : outside) {
        EXPECT_FALSE(IsPageEnterOrEscape(m_page, Key(target, WM_KEYDOWN, VK_RETURN)));
        EXPECT_FALSE(IsPageEnterOrEscape(m_page, Key(target, WM_KEYDOWN, VK_ESCAPE)));
    }
}

TEST_F(PageKeysTest, NotAWindowThatIsGone)
{
    const HWND edit = Edit(m_page);
    const HWND page = m_page.GetSafeHwnd();
    m_page.DestroyWindow();
    EXPECT_FALSE(IsPageEnterOrEscape(m_page, Key(edit, WM_KEYDOWN, VK_RETURN)));
    EXPECT_FALSE(IsPageEnterOrEscape(m_page, Key(page, WM_KEYDOWN, VK_RETURN)));
}

} // namespace
