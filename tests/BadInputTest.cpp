// Bad input, field by field: every number entry of every calculator page, in the main window, gets the
// texts a person may type, compose or paste, and each text has one outcome on every page: either it is read
// as the number it shows, or OK brings up the framework's prompt once, the focus goes back to the field with
// its whole text selected, and nothing is lost: the text stays as entered, every member and result keeps
// its value, and the exercise log keeps its rows.

#include "CalcPageMembers.h"

#include "app/CalorieDlg.h"
#include "body/BmiDlg.h"
#include "body/RecommendDlg.h"
#include "body/WaistHipDlg.h"
#include "exercise/ExerciseDlg.h"
#include "platform/testing/TestDriver.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kIntegerPrompt = "정수를 입력하십시오.";
constexpr const char* kNumberPrompt = "숫자를 입력하십시오.";

// How a person puts the text into the field.
enum class Entry { Keys, InputMethod, Paste };

struct InputCase {
    const char* name; // for the test's name
    std::string text;
    Entry entry;
    std::optional<double> asNumber;  // in a number field: the value read, none when refused
    std::optional<double> asInteger; // in a whole-number field (age, minutes)
};

// A number pasted behind 9 997 zeros: 10 000 characters that would read as 170 if the length were not
// looked at. No one types that; it is refused.
const std::string kLongText = std::string(9997, '0') + "170";

const std::vector<InputCase> kInputs{
    {"Empty", "", Entry::Keys, std::nullopt, std::nullopt},
    {"Blanks", "   ", Entry::Keys, std::nullopt, std::nullopt},
    {"Letters", "abc", Entry::Keys, std::nullopt, std::nullopt},
    {"KoreanNumberWord", "백칠십", Entry::InputMethod, std::nullopt, std::nullopt},
    {"FullWidthDigits", "１７０", Entry::InputMethod, 170.0, 170.0},
    {"Nan", "nan", Entry::Keys, std::nullopt, std::nullopt},
    {"Inf", "inf", Entry::Keys, std::nullopt, std::nullopt},
    {"MinusInf", "-inf", Entry::Keys, std::nullopt, std::nullopt},
    {"Overflow", "1e999", Entry::Keys, std::nullopt, std::nullopt},
    {"Underflow", "1e-999", Entry::Keys, 0.0, std::nullopt},
    {"Hex", "0x10", Entry::Keys, std::nullopt, std::nullopt},
    {"Unit", "170cm", Entry::Keys, std::nullopt, std::nullopt},
    {"BlanksAround", " 170 ", Entry::Keys, 170.0, 170.0},
    {"TenThousandCharacters", kLongText, Entry::Paste, std::nullopt, std::nullopt},
    {"PastedLineBreak", "170\n60", Entry::Paste, std::nullopt, std::nullopt},
};

// The main window with its pages at hand.
class CPagesCalorieDlg : public CCalorieDlg {
public:
    CExerciseDlg& Exercise() const { return *m_pExercisePage; }
    CRecommendDlg& Recommend() const { return *m_pRecommendPage; }
    CBmiDlg& Bmi() const { return *m_pBmiPage; }
    CWaistHipDlg& WaistHip() const { return *m_pWaistHipPage; }
};

// A page with number entries: its menu button, the text each entry gets first, and what the page holds: its
// entries' members by control id and its results.
struct EntryPage {
    int menu;
    std::vector<std::pair<int, const char*>> start;
    std::function<CWnd&(const CPagesCalorieDlg&)> window;
    std::function<std::map<int, double>(const CPagesCalorieDlg&)> entries;
    std::function<std::vector<double>(const CPagesCalorieDlg&)> results;
};

const EntryPage kExercisePage{
    IDC_MENU_EXERCISE,
    {{IDC_WEIGHT, "60"}, {IDC_MINUTES, "30"}},
    [](const CPagesCalorieDlg& d) -> CWnd& { return d.Exercise(); },
    [](const CPagesCalorieDlg& d) {
        const auto p = Members(d.Exercise());
        return std::map<int, double>{{IDC_WEIGHT, p.m_dWeight}, {IDC_MINUTES, p.m_nMinutes}};
    },
    [](const CPagesCalorieDlg& d) { return std::vector<double>{Members(d.Exercise()).m_dLastKcal}; }};

const EntryPage kRecommendPage{
    IDC_MENU_RECOMMEND,
    {{IDC_AGE, "30"}, {IDC_HEIGHT, "165"}, {IDC_WEIGHT, "55"}},
    [](const CPagesCalorieDlg& d) -> CWnd& { return d.Recommend(); },
    [](const CPagesCalorieDlg& d) {
        const auto p = Members(d.Recommend());
        return std::map<int, double>{{IDC_AGE, p.m_nAge}, {IDC_HEIGHT, p.m_dHeight}, {IDC_WEIGHT, p.m_dWeight}};
    },
    [](const CPagesCalorieDlg& d) {
        const auto p = Members(d.Recommend());
        return std::vector<double>{p.m_dBmi, p.m_dMinKcal};
    }};

const EntryPage kBmiPage{
    IDC_MENU_BMI,
    {{IDC_HEIGHT, "165"}, {IDC_WEIGHT, "55"}},
    [](const CPagesCalorieDlg& d) -> CWnd& { return d.Bmi(); },
    [](const CPagesCalorieDlg& d) {
        const auto p = Members(d.Bmi());
        return std::map<int, double>{{IDC_HEIGHT, p.m_dHeight}, {IDC_WEIGHT, p.m_dWeight}};
    },
    [](const CPagesCalorieDlg& d) { return std::vector<double>{Members(d.Bmi()).m_dBmi}; }};

// The page works its result out when it paints: its members are all it holds.
const EntryPage kWaistHipPage{
    IDC_MENU_WAISTHIP,
    {{IDC_WAIST, "30"}, {IDC_HIP, "38"}},
    [](const CPagesCalorieDlg& d) -> CWnd& { return d.WaistHip(); },
    [](const CPagesCalorieDlg& d) {
        const auto p = Members(d.WaistHip());
        return std::map<int, double>{{IDC_WAIST, p.m_dWaist}, {IDC_HIP, p.m_dHip}};
    },
    [](const CPagesCalorieDlg&) { return std::vector<double>{}; }};

struct EntryField {
    const char* name;
    const EntryPage* page;
    int id;
    bool integer; // a whole number (age, minutes)
};

const std::vector<EntryField> kFields{
    {"ExerciseWeight", &kExercisePage, IDC_WEIGHT, false},    {"ExerciseMinutes", &kExercisePage, IDC_MINUTES, true},
    {"RecommendAge", &kRecommendPage, IDC_AGE, true},         {"RecommendHeight", &kRecommendPage, IDC_HEIGHT, false},
    {"RecommendWeight", &kRecommendPage, IDC_WEIGHT, false},  {"BmiHeight", &kBmiPage, IDC_HEIGHT, false},
    {"BmiWeight", &kBmiPage, IDC_WEIGHT, false},              {"WaistHipWaist", &kWaistHipPage, IDC_WAIST, false},
    {"WaistHipHip", &kWaistHipPage, IDC_HIP, false},
};

class BadInput : public ::testing::TestWithParam<std::tuple<EntryField, InputCase>> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(CCalorieDlg::IDD));
        ASSERT_TRUE(uitest::ShowAndActivate(&m_dlg));
        ASSERT_TRUE(uitest::Click(&m_dlg, Field().page->menu));
        ASSERT_TRUE(uitest::WaitUntil([this] { return uitest::IsVisible(&Page()); }));
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    const EntryField& Field() const { return std::get<0>(GetParam()); }
    const InputCase& Input() const { return std::get<1>(GetParam()); }
    CWnd& Page() const { return Field().page->window(m_dlg); }

    void Enter(const InputCase& input)
    {
        switch (input.entry) {
        case Entry::Keys:
            ASSERT_TRUE(uitest::TypeText(&Page(), Field().id, input.text));
            break;
        case Entry::InputMethod:
            ASSERT_TRUE(uitest::TypeText(&Page(), Field().id, ""));
            ASSERT_TRUE(uitest::CommitInput(&Page(), Field().id, input.text));
            break;
        case Entry::Paste:
            ASSERT_TRUE(uitest::PasteText(&Page(), Field().id, input.text));
            break;
        }
    }
    void PressOk()
    {
        ASSERT_TRUE(uitest::Click(&Page(), IDC_OK));
        uitest::ProcessEvents();
    }

    CPagesCalorieDlg m_dlg;
    uitest::MessageBoxRecorder m_prompts;
};

TEST_P(BadInput, IsReadAsTheNumberItShowsOrRefusedWithThePromptAndNothingLost)
{
    const EntryPage& page = *Field().page;
    for (const auto& [id, text] : page.start) {
        ASSERT_TRUE(uitest::TypeText(&Page(), id, text));
    }
    PressOk();
    ASSERT_TRUE(m_prompts.Texts().empty());
    const std::map<int, double> entries = page.entries(m_dlg);
    const std::vector<double> results = page.results(m_dlg);
    const int logRows = Members(m_dlg.Exercise()).m_listLog.GetItemCount();

    Enter(Input());
    CWnd* field = Page().GetDlgItem(Field().id);
    const std::string entered = field->GetWindowText();
    ASSERT_EQ(entered, Input().text) << "the field holds the whole text, a line break too";
    PressOk();

    const std::optional<double> expected = Field().integer ? Input().asInteger : Input().asNumber;
    if (expected) {
        EXPECT_TRUE(m_prompts.Texts().empty());
        std::map<int, double> expectedEntries = entries;
        expectedEntries[Field().id] = *expected;
        EXPECT_EQ(page.entries(m_dlg), expectedEntries) << "the field's member takes the number, the others keep theirs";
        return;
    }
    ASSERT_EQ(m_prompts.Texts(), std::vector<std::string>{Field().integer ? kIntegerPrompt : kNumberPrompt});
    EXPECT_EQ(page.entries(m_dlg), entries) << "every member keeps its value";
    EXPECT_EQ(page.results(m_dlg), results) << "and so does every result";
    EXPECT_EQ(field->GetWindowText(), entered) << "the text stays as it was entered";
    EXPECT_EQ(uitest::FocusedControlId(&Page()), Field().id);
    int start = -1;
    int end = -1;
    static_cast<CEdit*>(field)->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, QString::fromStdString(entered).size()) << "the whole text is selected, to type over";
    EXPECT_EQ(Members(m_dlg.Exercise()).m_listLog.GetItemCount(), logRows) << "and the exercise log its rows";
}

INSTANTIATE_TEST_SUITE_P(EveryEntryOfEveryPage, BadInput,
                         ::testing::Combine(::testing::ValuesIn(kFields), ::testing::ValuesIn(kInputs)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

} // namespace
