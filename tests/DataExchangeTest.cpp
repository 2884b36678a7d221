// Dialog data exchange as a page uses it: typed entries read into members in order, the first bad entry
// stopping the exchange with one prompt, radio groups counted by radio buttons only.

#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdio>
#include <cmath>
#include <string>

namespace {

// Parsing: what the edits accept.

struct IntCase {
    const char* text;
    bool ok;
    int value;
};

constexpr IntCase kIntCases[] = {
    {"42", true, 42},           {" 42 ", true, 42},        {"\t-7\t", true, -7},  {"+5", true, 5},
    {"0", true, 0},             {"-2147483648", true, INT32_MIN},                {"2147483647", true, INT32_MAX},
    {"2147483648", false, 0},   {"-2147483649", false, 0}, {"", false, 0},        {"   ", false, 0},
    {"abc", false, 0},          {"12abc", false, 0},       {"30.5", false, 0},    {"1e3", false, 0},
    {"0x10", false, 0},         {"nan", false, 0},         {"inf", false, 0},     {"--1", false, 0},
    {"+", false, 0},            {"4 2", false, 0},         {"٤٢", false, 0},      {"+-5", false, 0},
    {"-+5", false, 0},          {"++5", false, 0},
};

TEST(DdxParse, IntegersAreASignAndDecimalDigitsWithinThirtyTwoBits)
{
    for (const IntCase& c : kIntCases) {
        int value = 12345;
        EXPECT_EQ(ParseDdxInt(c.text, value) != FALSE, c.ok) << '"' << c.text << '"';
        EXPECT_EQ(value, c.ok ? c.value : 12345) << '"' << c.text << "\": a refused entry leaves the value";
    }
}

struct RealCase {
    const char* text;
    bool ok;
    double value;
};

constexpr RealCase kRealCases[] = {
    {"60", true, 60.0},       {" 42 ", true, 42.0},    {"-3.25", true, -3.25},  {"+.5", true, 0.5},
    {"7.", true, 7.0},        {"1e3", true, 1000.0},   {"2.5E-2", true, 0.025}, {"1e-999", true, 0.0},
    {"0", true, 0.0},         {"", false, 0},          {"abc", false, 0},       {"nan", false, 0},
    {"NaN", false, 0},        {"inf", false, 0},       {"-infinity", false, 0}, {"0x10", false, 0},
    {"1e999", false, 0},      {"-1e400", false, 0},    {"1e", false, 0},        {".", false, 0},
    {"1.2.3", false, 0},      {"1,5", false, 0},       {"5kg", false, 0},
};

TEST(DdxParse, RealsAreFiniteDecimalNumbersWithOptionalPointAndExponent)
{
    for (const RealCase& c : kRealCases) {
        double value = -99.0;
        EXPECT_EQ(ParseDdxDouble(c.text, value) != FALSE, c.ok) << '"' << c.text << '"';
        EXPECT_EQ(value, c.ok ? c.value : -99.0) << '"' << c.text << '"';
    }
}

TEST(DdxParse, FullWidthFormsReadAsTheCharactersMeant)
{
    // What a Korean input method types in its full-width mode: digits, sign, point, exponent and the
    // ideographic space read as their ASCII forms; full-width letters are refused as letters are.
    int i = 0;
    double d = 0;
    EXPECT_TRUE(ParseDdxInt("１７０", i));
    EXPECT_EQ(i, 170);
    EXPECT_TRUE(ParseDdxInt("\u3000－５\u3000", i));
    EXPECT_EQ(i, -5);
    EXPECT_TRUE(ParseDdxDouble("６０．５", d));
    EXPECT_EQ(d, 60.5);
    EXPECT_TRUE(ParseDdxDouble("１Ｅ３", d));
    EXPECT_EQ(d, 1000.0);
    for (const char* refused : {"ｎａｎ", "ｉｎｆ", "１７０ｃｍ", "１\xEF\xBC"}) {
        EXPECT_FALSE(ParseDdxDouble(refused, d)) << refused;
        EXPECT_FALSE(ParseDdxInt(refused, i)) << refused;
    }
    EXPECT_EQ(d, 1000.0);
    EXPECT_EQ(i, -5);
}

TEST(DdxParse, AbsurdlyLongTextIsRefused)
{
    int i = 1;
    double d = 1.0;
    EXPECT_FALSE(ParseDdxInt(std::string(10000, '0') + "1", i));
    EXPECT_FALSE(ParseDdxDouble("0." + std::string(10000, '1'), d));
    EXPECT_EQ(i, 1);
    EXPECT_EQ(d, 1.0);
}

TEST(DdxParse, WritingUsesTheClassicFormats)
{
    EXPECT_EQ(FormatDdxInt(-30), "-30");
    EXPECT_EQ(FormatDdxDouble(0.0), "0");
    EXPECT_EQ(FormatDdxDouble(60.5), "60.5");
    EXPECT_EQ(FormatDdxDouble(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatDdxDouble(1e20), "1e+20");
}

TEST(DdxParse, NumbersKeepTheDecimalPointWhateverTheUsersLocale)
{
    // The application takes the user's locale at start; a comma locale must not reach the numbers.
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
    EXPECT_EQ(FormatDdxDouble(60.5), "60.5");
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", 114.0);
    EXPECT_STREQ(text, "114.0");
}

// Exchange on a real dialog: three edits (int, double, double), a radio group interrupted by an edit
// (as the waist-to-hip page has it) and a second group.

enum : int { kMinutes = 10, kWeight = 11, kHeight = 12, kInch = 20, kCm = 21, kHip = 22, kHipInch = 23, kHipCm = 24,
             kMale = 30, kFemale = 31 };

constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kRadio = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr std::array kControls{
    DialogControl{kMinutes, "Edit", kEdit, 0, 10, 4, 56, 12, ""},
    DialogControl{kWeight, "Edit", kEdit, 0, 70, 4, 56, 12, ""},
    DialogControl{kHeight, "Edit", kEdit, 0, 130, 4, 56, 12, ""},
    DialogControl{kInch, "Button", kRadio | WS_GROUP, 0, 10, 24, 25, 8, "인치"},
    DialogControl{kCm, "Button", kRadio, 0, 40, 24, 25, 8, "cm"},
    DialogControl{kHip, "Edit", kEdit, 0, 70, 22, 56, 12, ""}, // no WS_GROUP: the group goes on past it
    DialogControl{kHipInch, "Button", kRadio | WS_GROUP, 0, 130, 24, 25, 8, "인치"},
    DialogControl{kHipCm, "Button", kRadio, 0, 160, 24, 25, 8, "cm"},
    DialogControl{kMale, "Button", kRadio | WS_GROUP, 0, 10, 40, 25, 8, "남자"},
    DialogControl{kFemale, "Button", kRadio, 0, 40, 40, 25, 8, "여자"},
};
constexpr DialogTemplate kTemplate{1, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 200, 60, "", "굴림", 9, kControls};

class CExchangeDlg : public CDialog {
public:
    CExchangeDlg() : CDialog(kTemplate) {}
    int m_nMinutes = 0;
    double m_dWeight = 0;
    double m_dHeight = 0;
    int m_nUnit = 0;
    int m_nHipUnit = 0;
    int m_nSex = 1;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, kMinutes, m_nMinutes);
        DDX_Text(pDX, kWeight, m_dWeight);
        DDX_Text(pDX, kHeight, m_dHeight);
        DDX_Radio(pDX, kInch, m_nUnit);
        DDX_Radio(pDX, kHipInch, m_nHipUnit);
        DDX_Radio(pDX, kMale, m_nSex);
    }
};

class DataExchange : public ::testing::Test {
protected:
    CExchangeDlg m_dlg;
    uitest::MessageBoxRecorder m_prompts;

    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.CreateIndirect(kTemplate));
        ASSERT_TRUE(uitest::ShowAndActivate(&m_dlg));
    }
    void Type(int id, const std::string& text) { ASSERT_TRUE(uitest::TypeText(&m_dlg, id, text)); }
};

TEST_F(DataExchange, InitialisationWritesTheMembersIntoTheControls)
{
    EXPECT_EQ(uitest::Text(&m_dlg, kMinutes), "0");
    EXPECT_EQ(uitest::Text(&m_dlg, kWeight), "0");
    EXPECT_TRUE(uitest::IsChecked(&m_dlg, kInch));
    EXPECT_FALSE(uitest::IsChecked(&m_dlg, kCm));
    EXPECT_TRUE(uitest::IsChecked(&m_dlg, kFemale));
    EXPECT_FALSE(uitest::IsChecked(&m_dlg, kMale));
    EXPECT_TRUE(m_prompts.Texts().empty());
}

TEST_F(DataExchange, GoodEntriesAreAllRead)
{
    Type(kMinutes, " 30 ");
    Type(kWeight, "60.5");
    Type(kHeight, "1.7e2");
    ASSERT_TRUE(uitest::Click(&m_dlg, kCm));
    ASSERT_TRUE(uitest::Click(&m_dlg, kMale));
    EXPECT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(m_dlg.m_nMinutes, 30);
    EXPECT_EQ(m_dlg.m_dWeight, 60.5);
    EXPECT_EQ(m_dlg.m_dHeight, 170.0);
    EXPECT_EQ(m_dlg.m_nUnit, 1);
    EXPECT_EQ(m_dlg.m_nHipUnit, 0);
    EXPECT_EQ(m_dlg.m_nSex, 0);
    EXPECT_TRUE(m_prompts.Texts().empty());
}

struct StopCase {
    const char* minutes;
    const char* weight;
    const char* prompt;
    int focused;
};

TEST_F(DataExchange, TheFirstBadEntryStopsTheExchangeWithOnePromptAndTakesTheFocus)
{
    const StopCase cases[] = {
        {"", "70", "정수를 입력하십시오.", kMinutes},    {"abc", "70", "정수를 입력하십시오.", kMinutes},
        {"30.5", "70", "정수를 입력하십시오.", kMinutes}, {"0x10", "70", "정수를 입력하십시오.", kMinutes},
        {"45", "", "숫자를 입력하십시오.", kWeight},      {"45", "nan", "숫자를 입력하십시오.", kWeight},
        {"45", "inf", "숫자를 입력하십시오.", kWeight},   {"45", "1e999", "숫자를 입력하십시오.", kWeight},
        {"45", "0x10", "숫자를 입력하십시오.", kWeight},  {"45", "kg", "숫자를 입력하십시오.", kWeight},
    };
    for (const StopCase& c : cases) {
        m_dlg.m_nMinutes = 5;
        m_dlg.m_dWeight = 6;
        m_dlg.m_dHeight = 7;
        m_dlg.m_nSex = 1;
        Type(kMinutes, c.minutes);
        Type(kWeight, c.weight);
        Type(kHeight, "180");
        ASSERT_TRUE(uitest::Click(&m_dlg, kMale));
        const size_t before = m_prompts.Texts().size();

        EXPECT_FALSE(m_dlg.UpdateData(TRUE)) << c.minutes << " / " << c.weight;
        ASSERT_EQ(m_prompts.Texts().size(), before + 1) << "exactly one prompt";
        EXPECT_EQ(m_prompts.Texts().back(), c.prompt);
        EXPECT_EQ(m_prompts.Types().back(), MB_OK | MB_ICONEXCLAMATION);
        // Fields before the bad one have their new values; the bad one and all after keep their old ones.
        EXPECT_EQ(m_dlg.m_nMinutes, c.focused == kMinutes ? 5 : 45);
        EXPECT_EQ(m_dlg.m_dWeight, 6.0);
        EXPECT_EQ(m_dlg.m_dHeight, 7.0);
        EXPECT_EQ(m_dlg.m_nSex, 1);
        EXPECT_EQ(uitest::FocusedControlId(&m_dlg), c.focused);
        CEdit* edit = static_cast<CEdit*>(m_dlg.GetDlgItem(c.focused));
        int start = -1;
        int end = -1;
        edit->GetSel(start, end);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, static_cast<int>(std::string(c.focused == kMinutes ? c.minutes : c.weight).size()))
            << "the whole entry is selected";
    }
}

// The real prompt, closed with Enter: the dialog is active again, the field that failed has the focus and
// its whole text is selected, so that typing replaces it.
TEST(DataExchangePrompt, AfterTheRealPromptTheFieldThatFailedHasTheFocusWithItsTextSelected)
{
    CExchangeDlg dlg;
    ASSERT_TRUE(dlg.CreateIndirect(kTemplate));
    ASSERT_TRUE(uitest::ShowAndActivate(&dlg));
    ASSERT_TRUE(uitest::TypeText(&dlg, kMinutes, "30"));
    ASSERT_TRUE(uitest::TypeText(&dlg, kWeight, "abc"));
    ASSERT_TRUE(uitest::TypeText(&dlg, kHeight, "180")); // the focus is elsewhere when OK is pressed
    std::string prompt;
    bool closedByEnter = false;
    uitest::WhenModal([&] {
        prompt = uitest::ActiveMessageBoxText();
        uitest::PressFocusedKey(VK_RETURN);
        closedByEnter = !uitest::CloseModalIfStillOpen();
    });
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(prompt, "숫자를 입력하십시오.");
    EXPECT_TRUE(closedByEnter);
    EXPECT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(&dlg); }));
    EXPECT_EQ(uitest::FocusedControlId(&dlg), kWeight);
    int start = -1;
    int end = -1;
    static_cast<CEdit*>(dlg.GetDlgItem(kWeight))->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 3);
}

TEST_F(DataExchange, AHugeEntryIsRefusedWithoutHarm)
{
    m_dlg.SetDlgItemText(kWeight, std::string(10000, '9'));
    m_dlg.m_dWeight = 3;
    EXPECT_FALSE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(m_dlg.m_dWeight, 3.0);
    EXPECT_EQ(m_prompts.Texts().size(), 1u);
}

TEST_F(DataExchange, RadioIndexesCountOnlyRadioButtonsOfTheGroup)
{
    // The first group runs on past the hip edit up to the next WS_GROUP control.
    m_dlg.m_nUnit = 1;
    m_dlg.m_nHipUnit = 1;
    m_dlg.m_nSex = 0;
    EXPECT_TRUE(m_dlg.UpdateData(FALSE));
    EXPECT_TRUE(uitest::IsChecked(&m_dlg, kCm));
    EXPECT_FALSE(uitest::IsChecked(&m_dlg, kInch));
    EXPECT_TRUE(uitest::IsChecked(&m_dlg, kHipCm));
    EXPECT_TRUE(uitest::IsChecked(&m_dlg, kMale));
    // Checking one button of a group leaves the other groups alone.
    ASSERT_TRUE(uitest::Click(&m_dlg, kHipInch));
    EXPECT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(m_dlg.m_nUnit, 1);
    EXPECT_EQ(m_dlg.m_nHipUnit, 0);
    EXPECT_EQ(m_dlg.m_nSex, 0);
    // -1 checks none, and reading gives -1 back.
    m_dlg.m_nSex = -1;
    EXPECT_TRUE(m_dlg.UpdateData(FALSE));
    EXPECT_FALSE(uitest::IsChecked(&m_dlg, kMale));
    EXPECT_FALSE(uitest::IsChecked(&m_dlg, kFemale));
    m_dlg.m_nSex = 5;
    EXPECT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(m_dlg.m_nSex, -1);
}

} // namespace
