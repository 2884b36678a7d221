// What a screen reader says in the main window, read through Qt's accessibility interface as a screen
// reader reads it: every button, edit and drop-down has a name (a button's caption as a person reads
// it, an input's painted label), a drop-down its entry as its value, and each calculator page is
// described by the result sentence it paints, following every change and only once it shows.

#include "ShownMainWindow.h"

#include "app/CalorieDlg.h"
#include "app/PageModel.h"
#include "food/FoodTotalBar.h"
#include "platform/testing/TestDriver.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class AccessibilityTest : public ShownMainWindow<> {
protected:

    // Chooses the calculator from the menu and waits until its page has painted what it describes.
    CWnd* Show(PageId page)
    {
        EXPECT_TRUE(uitest::Click(&m_dlg, MenuButtonId(page)));
        CWnd* shown = m_dlg.Page(page);
        EXPECT_TRUE(uitest::WaitUntil([&] { return uitest::IsVisible(shown); }));
        uitest::ProcessEvents();
        return shown;
    }

    // The exercise page with one logged row: 60 kg walking at 4 km/h for 30 minutes.
    CWnd* ExerciseWithOneRow()
    {
        CWnd* page = Show(PageId::Exercise);
        EXPECT_TRUE(uitest::TypeText(page, IDC_WEIGHT, "60"));
        EXPECT_TRUE(uitest::ChooseComboEntry(page, IDC_EXERCISE, "걷기(4km/h)"));
        EXPECT_TRUE(uitest::TypeText(page, IDC_MINUTES, "30"));
        EXPECT_TRUE(uitest::Click(page, IDC_OK));
        return page;
    }

    // The description that the page has once it has painted; times out on a wrong one.
    static std::string DescriptionOnceSettled(CWnd* page, const std::string& expected)
    {
        uitest::WaitUntil([&] { return uitest::AccessibleDescription(page) == expected; }, 2000);
        return uitest::AccessibleDescription(page);
    }

    uitest::ShellOpenRecorder m_links;
};

// Names ------------------------------------------------------------------------------------------------

struct NamedControl {
    int id;
    const char* name;
};

TEST_F(AccessibilityTest, TheMainWindowsButtonsSayWhatAPersonReadsOnThem)
{
    const NamedControl buttons[] = {
        {IDC_MENU_FOOD, "음식칼로리 계산기"},  {IDC_MENU_EXERCISE, "운동칼로리 계산기"},
        {IDC_MENU_RECOMMEND, "권장칼로리 계산기"}, {IDC_MENU_BMI, "비만도 계산기"},
        {IDC_MENU_WAISTHIP, "복부비만 계산기"},    {IDC_DIARY, "다이어트 일기"},
        {IDC_BODY, "몸매 사진"},                   {IDC_RELAY, "릴레이 다이어트"},
        {IDC_MALL, "다이어트 쇼핑"},               {IDOK, "닫기"},
        {IDCANCEL, "최소화"},
    };
    for (const NamedControl& button : buttons) {
        EXPECT_EQ(uitest::AccessibleName(&m_dlg, button.id), button.name) << "button " << button.id;
    }
    EXPECT_EQ(uitest::AccessibleName(m_dlg.TotalBar(), IDC_RESET), "다시하기");
}

// A log row's check box is heard as one that can be ticked, and ticking or clearing it says so.
TEST_F(AccessibilityTest, TheLogsTickBoxesCanBeTickedAndSaySo)
{
    CWnd* page = ExerciseWithOneRow();
    EXPECT_TRUE(uitest::AccessibleRowCheckState(page, IDC_LOG, 0).checkable);
    EXPECT_FALSE(uitest::AccessibleRowCheckState(page, IDC_LOG, 0).checked);

    const uitest::CheckAnnouncementRecorder told;
    ASSERT_TRUE(uitest::TickListRow(page, IDC_LOG, 0));
    EXPECT_TRUE(uitest::AccessibleRowCheckState(page, IDC_LOG, 0).checked);
    ASSERT_TRUE(uitest::TickListRow(page, IDC_LOG, 0));
    EXPECT_FALSE(uitest::AccessibleRowCheckState(page, IDC_LOG, 0).checked);
    EXPECT_EQ(told.Announcements(), (std::vector<std::string>{"걷기(4km/h): checked", "걷기(4km/h): not checked"}));
}

// The menu's buttons are one choice: the button of the page shown is the checked one, and a switch says so.
TEST_F(AccessibilityTest, TheMenuButtonOfThePageShownIsHeardAsChecked)
{
    for (PageId page : kPageIds) {
        SCOPED_TRACE(PageTitle(page));
        EXPECT_EQ(uitest::AccessibleRole(&m_dlg, MenuButtonId(page)), "Button");
        EXPECT_TRUE(uitest::AccessibleCheckState(&m_dlg, MenuButtonId(page)).checkable);
        EXPECT_EQ(uitest::AccessibleCheckState(&m_dlg, MenuButtonId(page)).checked, page == PageId::Food);
    }
    const uitest::CheckAnnouncementRecorder told;
    Show(PageId::Bmi);
    EXPECT_TRUE(uitest::AccessibleCheckState(&m_dlg, IDC_MENU_BMI).checked);
    EXPECT_FALSE(uitest::AccessibleCheckState(&m_dlg, IDC_MENU_FOOD).checked);
    EXPECT_EQ(told.Announcements(),
              (std::vector<std::string>{"비만도 계산기: checked", "음식칼로리 계산기: not checked"}));
}

TEST_F(AccessibilityTest, TheMainWindowIsAFrameNamedByItsTitle)
{
    EXPECT_EQ(uitest::AccessibleRole(&m_dlg), "Window");
    EXPECT_EQ(uitest::AccessibleName(&m_dlg), "칼로리 계산기");
    EXPECT_EQ(uitest::AccessibleRole(m_dlg.Page(PageId::Bmi)), "Client"); // a part of it
}

// The browser engine of the banner draws its page in a window of its own that never reaches the screen.
TEST_F(AccessibilityTest, AWindowThatNeverReachesTheScreenIsNoWindowOfTheProgram)
{
    const uitest::UnmadeWindow drawing("Offscreen");
    EXPECT_EQ(uitest::AccessibleWindowNames(), std::vector<std::string>{"칼로리 계산기"});
}

TEST_F(AccessibilityTest, EachPageIsNamedAsItsTitleReads)
{
    for (PageId page : kPageIds) {
        EXPECT_EQ(uitest::AccessibleName(m_dlg.Page(page)), PageTitle(page));
    }
    EXPECT_EQ(std::string(PageTitle(PageId::Bmi)), "비만도 계산기");
}

// An edit, button or drop-down is named by its label; a drop-down's value is the entry it shows.
struct PageInput {
    PageId page;
    int id;
    const char* name;
    bool dropDown;
};

const PageInput kPageInputs[] = {
    {PageId::Food, 1001, "밥, 죽", true},
    {PageId::Food, 1017, "밥, 죽 분량", true},
    {PageId::Food, 1008, "나물, 무침", true},
    {PageId::Food, 1031, "나물, 무침 분량", true},
    {PageId::Food, 1016, "음료수", true},
    {PageId::Food, 1049, "음료수 분량", true},
    {PageId::Exercise, IDC_WEIGHT, "몸무게", false},
    {PageId::Exercise, IDC_EXERCISE, "운동종목", true},
    {PageId::Exercise, IDC_MINUTES, "운동시간", false},
    {PageId::Exercise, IDC_OK, "확인", false},
    {PageId::Exercise, IDC_LOG, "운동 기록", false},
    {PageId::Exercise, IDC_DELETE, "선택된 항목 삭제", false},
    {PageId::Recommend, IDC_HEIGHT, "키", false},
    {PageId::Recommend, IDC_WEIGHT, "몸무게", false},
    {PageId::Recommend, IDC_AGE, "만나이", false},
    {PageId::Recommend, IDC_OK, "확인", false},
    {PageId::Bmi, IDC_HEIGHT, "키", false},
    {PageId::Bmi, IDC_WEIGHT, "몸무게", false},
    {PageId::Bmi, IDC_MALE, "남자", false},
    {PageId::Bmi, IDC_OK, "확인", false},
    {PageId::WaistHip, IDC_WAIST, "허리둘레", false},
    {PageId::WaistHip, IDC_HIP, "엉덩이둘레", false},
    {PageId::WaistHip, IDC_OK, "확인", false},
};

TEST_F(AccessibilityTest, EveryInputIsNamedByTheLabelPaintedBesideIt)
{
    for (const PageInput& input : kPageInputs) {
        SCOPED_TRACE(input.name);
        CWnd* page = m_dlg.Page(input.page);
        EXPECT_EQ(uitest::AccessibleName(page, input.id), input.name);
        if (input.dropDown) {
            EXPECT_EQ(uitest::AccessibleRole(page, input.id), "ComboBox");
            EXPECT_EQ(uitest::AccessibleValue(page, input.id), uitest::Text(page, input.id));
        }
    }
}

TEST_F(AccessibilityTest, AFoodBoxKeepsTheNameOfItsRowAndSaysTheEntryChosen)
{
    CWnd* food = m_dlg.Page(PageId::Food);
    ASSERT_TRUE(uitest::ChooseComboEntry(food, 1001, "쌀밥"));
    ASSERT_TRUE(uitest::ChooseComboEntry(food, 1017, "1"));
    EXPECT_EQ(uitest::AccessibleName(food, 1001), "밥, 죽");
    EXPECT_EQ(uitest::AccessibleValue(food, 1001), "쌀밥");
    EXPECT_EQ(uitest::AccessibleName(food, 1017), "밥, 죽 분량");
    EXPECT_EQ(uitest::AccessibleValue(food, 1017), "1");
}

// A radio button is heard as one, after the name of its group: the label painted beside the pair.
struct RadioInGroup {
    PageId page;
    int id;
    const char* group;
};

TEST_F(AccessibilityTest, RadioButtonsAreHeardAsRadioButtonsOfTheirGroup)
{
    const RadioInGroup radios[] = {
        {PageId::Bmi, IDC_MALE, "성별"},             {PageId::Bmi, IDC_FEMALE, "성별"},
        {PageId::Recommend, IDC_FEMALE, "성별"},     {PageId::WaistHip, IDC_WAIST_INCH, "허리둘레"},
        {PageId::WaistHip, IDC_WAIST_CM, "허리둘레"}, {PageId::WaistHip, IDC_HIP_INCH, "엉덩이둘레"},
        {PageId::WaistHip, IDC_HIP_CM, "엉덩이둘레"}, {PageId::WaistHip, IDC_MALE, "성별"},
    };
    for (const RadioInGroup& radio : radios) {
        SCOPED_TRACE(radio.id);
        CWnd* page = m_dlg.Page(radio.page);
        EXPECT_EQ(uitest::AccessibleRole(page, radio.id), "RadioButton");
        EXPECT_EQ(uitest::AccessibleLabel(page, radio.id), radio.group);
    }
    EXPECT_EQ(uitest::AccessibleName(m_dlg.Page(PageId::WaistHip), IDC_HIP_CM), "cm"); // its own text
}

TEST_F(AccessibilityTest, NoControlTheKeyboardReachesIsLeftWithoutAName)
{
    std::vector<CWnd*> windows{&m_dlg, m_dlg.TotalBar()};
    for (PageId page : kPageIds) {
        windows.push_back(m_dlg.Page(page));
    }
    for (CWnd* window : windows) {
        EXPECT_EQ(uitest::UnnamedControls(window), std::vector<int>{}) << uitest::AccessibleName(window);
    }
}

// Descriptions -----------------------------------------------------------------------------------------

// What a person enters on a page before pressing OK: texts typed into edits and radio buttons clicked.
struct Entry {
    int id;
    const char* text; // null: click the radio button
};

struct ResultCase {
    const char* name;
    PageId page;
    std::vector<Entry> entries;
    const char* before; // what the page says before OK
    const char* after;
};

const ResultCase kResultCases[] = {
    {"BmiNormal", PageId::Bmi, {{IDC_HEIGHT, "170"}, {IDC_WEIGHT, "65"}}, "",
     "귀하는 BMI 지수가 22.49 이므로 정상입니다. "},
    {"BmiUnderweightMan", PageId::Bmi, {{IDC_HEIGHT, "160"}, {IDC_WEIGHT, "50"}, {IDC_MALE, nullptr}}, "",
     "귀하는 BMI 지수가 19.53 이므로 저체중입니다. "},
    {"RecommendFigure", PageId::Recommend, {{IDC_HEIGHT, "165"}, {IDC_WEIGHT, "55"}, {IDC_AGE, "30"}}, "",
     "섭취해야 할 최소칼로리는 1096.1Kcal 입니다."},
    {"RecommendUnderweight", PageId::Recommend, {{IDC_HEIGHT, "160"}, {IDC_WEIGHT, "45"}}, "",
     "귀하는 저체중에 해당되므로 체중 감량이 해로울 수 있습니다."},
    {"WaistHipNormal", PageId::WaistHip, {{IDC_WAIST, "30"}, {IDC_HIP, "38"}}, "", "정상입니다. "},
    {"WaistHipObese", PageId::WaistHip, {{IDC_WAIST, "32"}, {IDC_HIP, "38"}}, "", "복부비만 입니다."},
    {"Exercise", PageId::Exercise, {{IDC_WEIGHT, "60"}, {IDC_MINUTES, "30"}},
     "계산된 운동 칼로리는 0.0Kcal 입니다. 합산된 전체 운동 칼로리는 0.0Kcal 입니다.",
     "계산된 운동 칼로리는 114.0Kcal 입니다. 합산된 전체 운동 칼로리는 114.0Kcal 입니다."},
};

class PageResultTest : public AccessibilityTest, public ::testing::WithParamInterface<ResultCase> {
protected:
    void Enter(CWnd* page, const std::vector<Entry>& entries)
    {
        for (const Entry& entry : entries) {
            EXPECT_TRUE(entry.text ? uitest::TypeText(page, entry.id, entry.text) : uitest::Click(page, entry.id));
        }
        if (GetParam().page == PageId::Exercise) {
            EXPECT_TRUE(uitest::ChooseComboEntry(page, IDC_EXERCISE, "걷기(4km/h)"));
        }
    }
};

TEST_P(PageResultTest, ThePageIsDescribedByTheSentenceItPaints)
{
    const ResultCase& c = GetParam();
    CWnd* page = Show(c.page);
    EXPECT_EQ(DescriptionOnceSettled(page, c.before), c.before);
    Enter(page, c.entries);
    ASSERT_TRUE(uitest::Click(page, IDC_OK));
    EXPECT_EQ(uitest::AccessibleDescription(page), c.after); // the page repaints before OK returns
    // Leaving the calculator and coming back paints, and so says, the same.
    Show(PageId::Food);
    EXPECT_EQ(DescriptionOnceSettled(Show(c.page), c.after), c.after);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageResultTest, ::testing::ValuesIn(kResultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AccessibilityTest, APageThatLosesItsResultSaysNothingMore)
{
    CWnd* bmi = Show(PageId::Bmi);
    ASSERT_TRUE(uitest::TypeText(bmi, IDC_HEIGHT, "170"));
    ASSERT_TRUE(uitest::TypeText(bmi, IDC_WEIGHT, "65"));
    ASSERT_TRUE(uitest::Click(bmi, IDC_OK));
    ASSERT_NE(uitest::AccessibleDescription(bmi), "");
    ASSERT_TRUE(uitest::TypeText(bmi, IDC_WEIGHT, "0"));
    ASSERT_TRUE(uitest::Click(bmi, IDC_OK));
    EXPECT_EQ(uitest::AccessibleDescription(bmi), ""); // the paragraph on obesity is back

    CWnd* waistHip = Show(PageId::WaistHip);
    ASSERT_TRUE(uitest::TypeText(waistHip, IDC_WAIST, "30"));
    ASSERT_TRUE(uitest::TypeText(waistHip, IDC_HIP, "38"));
    ASSERT_TRUE(uitest::Click(waistHip, IDC_OK));
    ASSERT_TRUE(uitest::TypeText(waistHip, IDC_HIP, "0"));
    ASSERT_TRUE(uitest::Click(waistHip, IDC_OK));
    EXPECT_EQ(uitest::AccessibleDescription(waistHip), "");
}

// A product of 0 or less adds no row and the page does not repaint: a screen reader hears the new
// product when it shows, not before.
TEST_F(AccessibilityTest, TheExercisePageSaysANewProductOnlyOnceItIsPainted)
{
    CWnd* page = ExerciseWithOneRow();
    ASSERT_TRUE(uitest::TypeText(page, IDC_MINUTES, "-10"));
    ASSERT_TRUE(uitest::Click(page, IDC_OK));
    const std::string logged = "계산된 운동 칼로리는 114.0Kcal 입니다. 합산된 전체 운동 칼로리는 114.0Kcal 입니다.";
    EXPECT_EQ(uitest::AccessibleDescription(page), logged);

    Show(PageId::Food);
    const std::string shown = "계산된 운동 칼로리는 -38.0Kcal 입니다. 합산된 전체 운동 칼로리는 114.0Kcal 입니다.";
    EXPECT_EQ(DescriptionOnceSettled(Show(PageId::Exercise), shown), shown);
}

// The total bar paints the food calculator's result; the bar and the food page both say it.
TEST_F(AccessibilityTest, TheFoodPageAndItsBarSayTheTotalAsItChanges)
{
    CWnd* food = m_dlg.Page(PageId::Food);
    CWnd* bar = m_dlg.TotalBar();
    const std::string zero = "당신이 체크한 총 칼로리는 0.0 Kcal 입니다.";
    EXPECT_EQ(DescriptionOnceSettled(food, zero), zero);

    ASSERT_TRUE(uitest::ChooseComboEntry(food, 1001, "쌀밥"));
    ASSERT_TRUE(uitest::ChooseComboEntry(food, 1017, "1"));
    const std::string rice = "당신이 체크한 총 칼로리는 311.0 Kcal 입니다.";
    EXPECT_EQ(uitest::AccessibleDescription(food), rice);
    EXPECT_EQ(uitest::AccessibleDescription(bar), rice);

    ASSERT_TRUE(uitest::Click(bar, IDC_RESET));
    EXPECT_EQ(uitest::AccessibleDescription(food), zero);
    EXPECT_EQ(uitest::AccessibleDescription(bar), zero);
}

} // namespace
