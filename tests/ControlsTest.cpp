// Controls as a person uses them: drop-down lists (sorted in Korean order, one notification per choice,
// none for the program's own selection), report lists with check boxes, owner-drawn buttons.

#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

enum : int { kSorted = 100, kPlain = 101, kList = 102, kDrawn = 103, kPush = 104 };

constexpr std::string_view kPlainItems[] = {":::선택하세요:::", "쌀밥", "보리밥"};

constexpr std::array kControls{
    DialogControl{kSorted, "ComboBox", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT, 0,
                  10, 5, 93, 130, ""},
    DialogControl{kPlain, "ComboBox", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 110, 5, 77,
                  130, "", kPlainItems},
    DialogControl{kList, "SysListView32", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_NOSORTHEADER,
                  WS_EX_STATICEDGE, 0, 30, 269, 85, "List1"},
    DialogControl{kDrawn, "Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, 10, 120, 40, 14, "OK"},
    DialogControl{kPush, "Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 60, 120, 40, 14, "확인"},
};
constexpr DialogTemplate kTemplate{2, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 269, 140, "", "굴림", 9, kControls};

// An owner-drawn button that keeps the states it was drawn with.
class CProbeButton : public CButton {
public:
    std::vector<UINT> states;
    CRect lastRect;
    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        states.push_back(dis->itemState);
        lastRect = dis->rcItem;
        CDC::FromHandle(dis->hDC)->FillSolidRect(&dis->rcItem, (dis->itemState & ODS_SELECTED) ? RGB(200, 0, 0)
                                                                                                : RGB(0, 0, 200));
    }
};

class CControlsDlg : public CDialog {
public:
    CControlsDlg() : CDialog(kTemplate) {}
    CComboBox m_cbSorted;
    CComboBox m_cbPlain;
    CListCtrl m_list;
    CProbeButton m_btnDrawn;
    std::vector<std::string> notifications;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, kSorted, m_cbSorted);
        DDX_Control(pDX, kPlain, m_cbPlain);
        DDX_Control(pDX, kList, m_list);
        DDX_Control(pDX, kDrawn, m_btnDrawn);
    }
    afx_msg void OnSortedChange() { notifications.push_back("sorted " + std::to_string(m_cbSorted.GetCurSel())); }
    afx_msg void OnPlainChange() { notifications.push_back("plain " + std::to_string(m_cbPlain.GetCurSel())); }
    afx_msg void OnDrawn() { notifications.push_back("drawn clicked"); }
    afx_msg void OnPush() { notifications.push_back("push clicked"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlsDlg, CDialog)
    ON_CBN_SELCHANGE(kSorted, &CControlsDlg::OnSortedChange)
    ON_CBN_SELCHANGE(kPlain, &CControlsDlg::OnPlainChange)
    ON_BN_CLICKED(kDrawn, &CControlsDlg::OnDrawn)
    ON_BN_CLICKED(kPush, &CControlsDlg::OnPush)
END_MESSAGE_MAP()

class Controls : public ::testing::Test {
protected:
    CControlsDlg m_dlg;

    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.CreateIndirect(kTemplate));
        ASSERT_TRUE(uitest::ShowAndActivate(&m_dlg));
    }
};

TEST_F(Controls, ASortedBoxInsertsInKoreanOrderWithoutRegardToCase)
{
    // Arrival order is not the shown order. Korean collation puts Hangul before Latin; Latin letters sort
    // without regard to case.
    for (const char* name : {"줄넘기", "걷기(4km/h)", "가만히 서있기", "Yoga", "달리기", "aerobic", "Badminton", "농구",
                             "걷기(6km/h)"}) {
        m_dlg.m_cbSorted.AddString(name);
    }
    const std::vector<std::string> expected{"가만히 서있기", "걷기(4km/h)", "걷기(6km/h)", "농구", "달리기",
                                            "줄넘기",        "aerobic",     "Badminton",   "Yoga"};
    EXPECT_EQ(uitest::ComboEntries(&m_dlg, kSorted), expected);
    EXPECT_EQ(m_dlg.m_cbSorted.GetCount(), 9);
    EXPECT_EQ(m_dlg.m_cbSorted.GetCurSel(), -1) << "adding entries selects none";
    std::string text;
    EXPECT_EQ(m_dlg.m_cbSorted.GetLBText(0, text), static_cast<int>(std::string("가만히 서있기").size()));
    EXPECT_EQ(text, "가만히 서있기");
    EXPECT_EQ(m_dlg.m_cbSorted.GetLBText(9, text), CB_ERR);
    EXPECT_EQ(m_dlg.m_cbSorted.AddString("AEROBIC"), 7) << "an equal entry goes after the ones it equals";
}

TEST_F(Controls, AnUnsortedBoxHoldsItsTemplateEntriesInOrder)
{
    const std::vector<std::string> expected(std::begin(kPlainItems), std::end(kPlainItems));
    EXPECT_EQ(uitest::ComboEntries(&m_dlg, kPlain), expected);
    EXPECT_EQ(m_dlg.m_cbPlain.AddString("가"), 3);
    EXPECT_EQ(m_dlg.m_cbPlain.GetCurSel(), -1);
}

TEST_F(Controls, TheProgramsSelectionRaisesNoNotificationAndAUsersChoiceRaisesExactlyOne)
{
    EXPECT_EQ(m_dlg.m_cbPlain.SetCurSel(2), 2);
    EXPECT_EQ(m_dlg.m_cbPlain.GetCurSel(), 2);
    EXPECT_EQ(m_dlg.m_cbPlain.SetCurSel(7), CB_ERR);
    EXPECT_EQ(m_dlg.m_cbPlain.GetCurSel(), -1) << "a bad index clears the selection";
    EXPECT_EQ(m_dlg.SendMessage(WM_COMMAND, 0, 0), 0);
    m_dlg.m_cbPlain.SendMessage(CB_SETCURSEL, 1);
    EXPECT_EQ(m_dlg.m_cbPlain.SendMessage(CB_GETCURSEL), 1);
    uitest::ProcessEvents();
    EXPECT_TRUE(m_dlg.notifications.empty());

    ASSERT_TRUE(uitest::ChooseComboEntry(&m_dlg, kPlain, "보리밥"));
    uitest::ProcessEvents();
    EXPECT_EQ(m_dlg.notifications, std::vector<std::string>{"plain 2"});
    EXPECT_EQ(uitest::Text(&m_dlg, kPlain), "보리밥");
}

// Drop-down lists from the keyboard and with a long list ---------------------------------------------

// The entries of a row of the food page: more than the dropped list shows at once.
const char* const kRiceDishes[] = {"강남콩밥", "검정콩밥", "김치볶음밥", "닭죽",   "밤밥",     "보리밥", "쌀밥",
                                   "수수밥",   "야채밥",   "야채죽",     "쌀국수", "오곡밥",   "잡곡밥", "흰죽"};

class DropDownList : public Controls {
protected:
    void SetUp() override
    {
        Controls::SetUp();
        m_dlg.m_cbPlain.ResetContent();
        m_dlg.m_cbPlain.AddString(":::선택하세요:::");
        for (const char* dish : kRiceDishes) {
            m_dlg.m_cbPlain.AddString(dish);
        }
        m_dlg.m_cbPlain.SetCurSel(0);
    }
    std::string Shown() { return uitest::Text(&m_dlg, kPlain); }
};

TEST_F(DropDownList, AClickDropsTheListBelowTheBoxToTheTemplatesDepthWithAScrollBar)
{
    ASSERT_TRUE(uitest::OpenComboList(&m_dlg, kPlain));
    EXPECT_TRUE(m_dlg.m_cbPlain.GetDroppedState());
    CRect box;
    m_dlg.m_cbPlain.GetWindowRect(&box);
    CRect list;
    m_dlg.m_cbPlain.GetDroppedControlRect(&list);
    // 130 dialog units: the box and its list span 195 pixels, less what a partial row would take.
    EXPECT_GE(list.top, box.bottom - 1);
    EXPECT_LE(list.bottom - box.top, 195);
    EXPECT_GE(list.bottom - box.top, 160);
    EXPECT_TRUE(uitest::DroppedListShowsScrollBar(&m_dlg, kPlain)) << "15 entries do not fit";

    ASSERT_TRUE(uitest::PressKey(&m_dlg, kPlain, VK_ESCAPE));
    EXPECT_TRUE(uitest::WaitUntil([this] { return !m_dlg.m_cbPlain.GetDroppedState(); }));
    CRect closed;
    m_dlg.m_cbPlain.GetDroppedControlRect(&closed);
    EXPECT_TRUE(closed.IsRectEmpty());
    EXPECT_TRUE(m_dlg.notifications.empty()) << "closing the list chooses nothing";
    EXPECT_EQ(Shown(), ":::선택하세요:::");
}

TEST_F(DropDownList, ArrowKeysAndEnterInTheOpenListChooseWithOneNotification)
{
    ASSERT_TRUE(uitest::OpenComboList(&m_dlg, kPlain));
    for (int i = 0; i < 7; ++i) {
        ASSERT_TRUE(uitest::PressKey(&m_dlg, kPlain, VK_DOWN));
    }
    EXPECT_TRUE(m_dlg.notifications.empty()) << "moving in the open list chooses nothing yet";
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kPlain, VK_RETURN));
    ASSERT_TRUE(uitest::WaitUntil([this] { return !m_dlg.m_cbPlain.GetDroppedState(); }));
    uitest::ProcessEvents();
    EXPECT_EQ(m_dlg.notifications, std::vector<std::string>{"plain 7"});
    EXPECT_EQ(Shown(), "쌀밥");
}

TEST_F(DropDownList, ArrowKeysOnTheClosedBoxChangeTheSelectionWithOneNotificationEach)
{
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kPlain, VK_DOWN));
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kPlain, VK_DOWN));
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kPlain, VK_UP));
    EXPECT_FALSE(m_dlg.m_cbPlain.GetDroppedState());
    EXPECT_EQ(m_dlg.notifications, (std::vector<std::string>{"plain 1", "plain 2", "plain 1"}));
    EXPECT_EQ(Shown(), "강남콩밥");

    // At the first entry there is nothing above: no change, no notification.
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kPlain, VK_UP));
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kPlain, VK_UP));
    EXPECT_EQ(m_dlg.notifications.size(), 4u);
    EXPECT_EQ(Shown(), ":::선택하세요:::");
}

TEST_F(DropDownList, ATypedSyllableJumpsToTheNextEntryStartingWithIt)
{
    ASSERT_TRUE(uitest::TypeKeys(&m_dlg, kPlain, "쌀"));
    EXPECT_EQ(Shown(), "쌀밥");
    ASSERT_TRUE(uitest::TypeKeys(&m_dlg, kPlain, "쌀")); // the same again: the next one
    EXPECT_EQ(Shown(), "쌀국수");
    ASSERT_TRUE(uitest::TypeKeys(&m_dlg, kPlain, "쌀")); // and round to the first
    EXPECT_EQ(Shown(), "쌀밥");
    EXPECT_EQ(m_dlg.notifications, (std::vector<std::string>{"plain 7", "plain 11", "plain 7"}));
}

TEST_F(DropDownList, TypedInitialConsonantsChooseTheFirstEntryWhoseSyllablesBeginWithThem)
{
    ASSERT_TRUE(uitest::TypeKeys(&m_dlg, kPlain, "ㅆ"));
    EXPECT_EQ(Shown(), "쌀밥");
    ASSERT_TRUE(uitest::TypeKeys(&m_dlg, kPlain, "ㄱ")); // "ㅆㄱ": 쌀국수
    EXPECT_EQ(Shown(), "쌀국수");
    ASSERT_TRUE(uitest::TypeKeys(&m_dlg, kPlain, "ㄴ")); // "ㅆㄱㄴ": none, nothing changes
    EXPECT_EQ(Shown(), "쌀국수");
    EXPECT_EQ(m_dlg.notifications, (std::vector<std::string>{"plain 7", "plain 11"}));
}

TEST_F(DropDownList, ASyllableFromAnInputMethodSearchesLikeATypedOneAndAPauseStartsANewSearch)
{
    ASSERT_TRUE(uitest::CommitInput(&m_dlg, kPlain, "흰"));
    EXPECT_EQ(Shown(), "흰죽");
    ASSERT_TRUE(uitest::CommitInput(&m_dlg, kPlain, "쌀")); // "흰쌀": none
    EXPECT_EQ(Shown(), "흰죽");
    uitest::WaitUntil([] { return false; }, 1200); // longer than the second that joins what is typed
    ASSERT_TRUE(uitest::CommitInput(&m_dlg, kPlain, "쌀"));
    EXPECT_EQ(Shown(), "쌀밥");
    EXPECT_EQ(m_dlg.notifications, (std::vector<std::string>{"plain 14", "plain 7"}));
}

TEST_F(DropDownList, ATypedDigitJumpsToTheFirstEntryStartingWithIt)
{
    m_dlg.m_cbPlain.ResetContent();
    for (const char* portion : {"0", "0.5", "0.9", "1", "1.5", "2", "2.5", "3"}) {
        m_dlg.m_cbPlain.AddString(portion);
    }
    m_dlg.m_cbPlain.SetCurSel(0);
    ASSERT_TRUE(uitest::TypeKeys(&m_dlg, kPlain, "1"));
    EXPECT_EQ(Shown(), "1");
    ASSERT_TRUE(uitest::TypeKeys(&m_dlg, kPlain, "1"));
    EXPECT_EQ(Shown(), "1.5");
    ASSERT_TRUE(uitest::TypeKeys(&m_dlg, kPlain, "9")); // no entry starts with it
    EXPECT_EQ(Shown(), "1.5");
    EXPECT_EQ(m_dlg.notifications, (std::vector<std::string>{"plain 3", "plain 4"}));
}

TEST_F(Controls, ListRowsAreInsertedAtTheTopTickedAndDeleted)
{
    CListCtrl& list = m_dlg.m_list;
    EXPECT_EQ(list.InsertColumn(0, "운동종목", LVCFMT_LEFT, 180), 0);
    EXPECT_EQ(list.InsertColumn(1, "시간(분)", LVCFMT_LEFT, 100), 1);
    EXPECT_EQ(list.InsertColumn(2, "칼로리(Kcal)", LVCFMT_LEFT, 170), 2);
    const DWORD kept = list.GetExtendedStyle();
    list.SetExtendedStyle(kept | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.GetExtendedStyle(), kept | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(uitest::ListShowsGrid(&m_dlg, kList));
    EXPECT_EQ(uitest::ListHeaders(&m_dlg, kList), (std::vector<std::string>{"운동종목", "시간(분)", "칼로리(Kcal)"}));

    for (const char* name : {"걷기(4km/h)", "달리기", "줄넘기"}) {
        EXPECT_EQ(list.InsertItem(0, name), 0);
        list.SetItemText(0, 1, "30분");
        list.SetItemText(0, 2, "114.0");
    }
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(0, 0), "줄넘기");
    EXPECT_EQ(list.GetItemText(2, 0), "걷기(4km/h)");
    char buffer[260] = {};
    EXPECT_EQ(list.GetItemText(1, 2, buffer, sizeof buffer), 5);
    EXPECT_STREQ(buffer, "114.0");
    EXPECT_EQ(list.GetItemText(7, 0), "") << "a row that does not exist reads empty";
    EXPECT_FALSE(list.GetCheck(0));

    // Ticking is not selecting, and selecting is not ticking.
    ASSERT_TRUE(uitest::TickListRow(&m_dlg, kList, 1));
    ASSERT_TRUE(uitest::SelectListRow(&m_dlg, kList, 2));
    EXPECT_TRUE(list.GetCheck(1));
    EXPECT_FALSE(list.GetItemState(1, LVIS_SELECTED));
    EXPECT_FALSE(list.GetCheck(2));
    EXPECT_TRUE(list.GetItemState(2, LVIS_SELECTED));
    EXPECT_EQ(list.GetSelectedCount(), 1u);

    // Deleting the ticked rows from the last to the first.
    for (int row = list.GetItemCount() - 1; row >= 0; --row) {
        if (list.GetCheck(row)) {
            EXPECT_TRUE(list.DeleteItem(row));
        }
    }
    ASSERT_EQ(list.GetItemCount(), 2);
    EXPECT_EQ(list.GetItemText(0, 0), "줄넘기");
    EXPECT_EQ(list.GetItemText(1, 0), "걷기(4km/h)");
    EXPECT_FALSE(list.DeleteItem(5));
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(Controls, TicksStayWithTheirRowsAndTheSpaceKeyTicksTheFocusedRow)
{
    CListCtrl& list = m_dlg.m_list;
    list.InsertColumn(0, "운동종목", LVCFMT_LEFT, 180);
    list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    list.InsertItem(0, "걷기");
    list.InsertItem(1, "달리기");
    ASSERT_TRUE(uitest::TickListRow(&m_dlg, kList, 1));
    list.InsertItem(0, "줄넘기"); // above the ticked row, which moves down with its tick
    EXPECT_FALSE(list.GetCheck(0));
    EXPECT_FALSE(list.GetCheck(1));
    EXPECT_TRUE(list.GetCheck(2));
    EXPECT_EQ(list.GetItemText(2, 0), "달리기");

    ASSERT_TRUE(uitest::SelectListRow(&m_dlg, kList, 0));
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kList, VK_SPACE));
    EXPECT_TRUE(list.GetCheck(0));
    EXPECT_TRUE(list.GetItemState(0, LVIS_SELECTED)) << "Space leaves the selection as it was";
    EXPECT_FALSE(list.GetItemState(2, LVIS_SELECTED));

    // A column added later gives every row an empty cell; the label stays in the first column.
    EXPECT_EQ(list.InsertColumn(1, "시간(분)", LVCFMT_LEFT, 100), 1);
    EXPECT_EQ(list.GetItemText(2, 0), "달리기");
    EXPECT_EQ(list.GetItemText(2, 1), "");
    EXPECT_TRUE(list.SetItemText(2, 1, "30분"));
    EXPECT_FALSE(list.SetItemText(2, 2, "114.0")) << "no such column";

    // Without check boxes no row reads as ticked and none can be ticked; the ticks come back with them.
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_FALSE(list.GetCheck(0));
    EXPECT_FALSE(list.SetCheck(1));
    EXPECT_FALSE(uitest::TickListRow(&m_dlg, kList, 1));
    list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(list.GetCheck(0));
    EXPECT_FALSE(list.GetCheck(1));
    EXPECT_TRUE(list.GetCheck(2));
}

TEST_F(Controls, AnOwnerDrawnButtonIsDrawnPressedWhileHeldAndClicksReachTheOwner)
{
    CProbeButton& button = m_dlg.m_btnDrawn;
    ASSERT_TRUE(uitest::WaitUntil([&] { return !button.states.empty(); }));
    EXPECT_FALSE(button.states.back() & ODS_SELECTED);
    const CRect rect = uitest::ControlRect(&m_dlg, kDrawn);
    EXPECT_EQ(button.lastRect, CRect(0, 0, rect.Width(), rect.Height()));

    ASSERT_TRUE(uitest::Press(&m_dlg, kDrawn));
    ASSERT_TRUE(uitest::WaitUntil([&] { return button.states.back() & ODS_SELECTED; }));
    EXPECT_EQ(uitest::PixelColor(&m_dlg, rect.left + 3, rect.top + 3), RGB(200, 0, 0));
    EXPECT_TRUE(m_dlg.notifications.empty()) << "a click happens on release";

    ASSERT_TRUE(uitest::Release(&m_dlg, kDrawn));
    ASSERT_TRUE(uitest::WaitUntil([&] { return !(button.states.back() & ODS_SELECTED); }));
    EXPECT_EQ(uitest::PixelColor(&m_dlg, rect.left + 3, rect.top + 3), RGB(0, 0, 200));
    EXPECT_EQ(m_dlg.notifications, std::vector<std::string>{"drawn clicked"});

    ASSERT_TRUE(uitest::Click(&m_dlg, kPush));
    EXPECT_EQ(m_dlg.notifications.back(), "push clicked");
}

TEST_F(Controls, ControlsAreWhereTheirDialogUnitsPutThem)
{
    // x·7/4 and y·12/8 per edge: (10, 120)–(50, 134) → (17, 180)–(87, 201).
    EXPECT_EQ(uitest::ControlRect(&m_dlg, kDrawn), CRect(17, 180, 87, 201));
    EXPECT_EQ(uitest::ControlRect(&m_dlg, kList), CRect(0, 45, 470, 172));
    // A drop-down list's template height is the depth of its list, not the box's height.
    const CRect box = uitest::ControlRect(&m_dlg, kSorted);
    EXPECT_EQ(box.TopLeft(), CPoint(17, 7));
    EXPECT_EQ(box.Width(), 163);
    EXPECT_LT(box.Height(), 32) << "the box fits in a 32-pixel band";
    CRect client;
    m_dlg.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 470, 210));
}

} // namespace
