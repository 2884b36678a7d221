// The recommended-calorie page as a person uses it: typing height, weight and age, choosing the sex,
// pressing OK, and reading what the page paints: the minimum intake with its advice, the warning for the
// underweight without any figure, or the paragraph on basal metabolism.

#include "BodyPageTest.h"
#include "CalcPageMembers.h"

#include "body/RecommendDlg.h"
#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"
#include "res/Resource.h"
#include "ui/SkinColors.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace bodytest;

const std::string kFigurePrefix = "섭취해야 할 최소칼로리는 ";

const ExpectedText kLabels[] = {
    {"키", 20, 10, kLabelColor},  {"cm", 190, 10, kLabelColor},    {"몸무게", 245, 10, kLabelColor},
    {"kg", 400, 10, kLabelColor}, {"만나이", 20, 42, kLabelColor}, {"성별", 245, 42, kLabelColor},
};

const ExpectedText kBasalMetabolism[] = {
    {"우리 몸을 유지하는데 꼭 필요한 최소한의 열량을 기초대사량이라고 하는데,", 20, 115, kLabelColor},
    {"다이어트를 할 때 이 기초대사량보다도 섭취 열량이 적게 되면, 신체 내에서는", 20, 135, kLabelColor},
    {"모자라는 열량과 영양소를 충당하기 위해 지방뿐만 아니라 근육을 분해하여", 20, 155, kLabelColor},
    {"이용하게 됩니다. 따라서 체중은 상당히 줄게 되지만 빠진 체중의 상당 부분은", 20, 175, kLabelColor},
    {"체지방이 아닌 근육입니다. 일반적으로 열량 섭취를 과도하게 줄이면 줄일수록", 20, 195, kLabelColor},
    {"지방보다는 근육이 더 많이 소실되게 됩니다.", 20, 215, kLabelColor},
};

const ExpectedText kUnderweightWarning[] = {
    {"귀하는 저체중에 해당되므로 체중 감량이 해로울 수 있습니다.", 20, 112, kDarkRed},
    {"그럼에도 불구하고 체중을 꼭 빼야 할 사유가 있는 분은 전문가와의", 30, 137, kLabelColor},
    {"상담을 통해 도움을 받으시기 바랍니다.", 30, 157, kLabelColor},
};

const ExpectedText kFigureAdvice[] = {
    {"본 계산기에서 제시하는 칼로리는 요요현상 없는 건강한 체중 조절을 위해", 30, 137, kLabelColor},
    {"귀하가 섭취해야 할 최소칼로리입니다. 최소한 권장 칼로리 이상을 드시고", 30, 157, kLabelColor},
    {"골고루 드시려고 노력한다면 건강과 날씬한 몸매를 동시에 얻을 수 있습니다.", 30, 177, kLabelColor},
};

// The recommended-calorie page, shown as the main window shows it.
class RecommendPageTest : public PageTest<CRecommendDlg> {
protected:
    RecommendPageTest() : PageTest(kLabels[0].text) {}

    void Enter(const std::string& height, const std::string& weight, const std::string& age, int sexRadio)
    {
        Type(IDC_HEIGHT, height);
        Type(IDC_WEIGHT, weight);
        Type(IDC_AGE, age);
        Choose(sexRadio);
    }

    // The page's whole text: its labels, the calorie sentence with this figure and the advice.
    static void ExpectFigure(const Painted& painted, const std::string& kcal)
    {
        SCOPED_TRACE(kcal);
        const std::string text = kFigurePrefix + kcal + "Kcal 입니다.";
        const ExpectedText sentence[] = {{text.c_str(), 20, 112, kDarkRed}};
        painted.ExpectShowsExactly(Concat({kLabels, sentence, kFigureAdvice}));
    }
    static void ExpectWarning(const Painted& painted)
    {
        painted.ExpectShowsExactly(Concat({kLabels, kUnderweightWarning})); // no figure
    }
    static void ExpectNoResult(const Painted& painted) { painted.ExpectShowsExactly(Concat({kLabels, kBasalMetabolism})); }
};

// Start --------------------------------------------------------------------------------------------

TEST_F(RecommendPageTest, StartsWithZeroesFemaleAndTheBasalMetabolismParagraph)
{
    for (const int edit : {IDC_HEIGHT, IDC_WEIGHT, IDC_AGE}) {
        EXPECT_EQ(uitest::Text(m_page, edit), "0") << edit;
    }
    EXPECT_TRUE(uitest::IsChecked(m_page, IDC_FEMALE));
    EXPECT_FALSE(uitest::IsChecked(m_page, IDC_MALE));
    ExpectNoResult(Repaint());
}

// Results by height, weight, age and sex ------------------------------------------------------------

struct RecommendCase {
    const char* height;
    const char* weight;
    const char* age;
    int sexRadio;
    const char* kcal; // null: the underweight warning
};

void PrintTo(const RecommendCase& c, std::ostream* os)
{
    *os << c.height << " cm, " << c.weight << " kg, " << c.age << " years, "
        << (c.sexRadio == IDC_MALE ? "남자" : "여자");
}

class RecommendResultTest : public RecommendPageTest, public ::testing::WithParamInterface<RecommendCase> {};

TEST_P(RecommendResultTest, PaintsTheFigureWithItsAdviceOrTheWarningWithoutFigure)
{
    const RecommendCase& c = GetParam();
    Enter(c.height, c.weight, c.age, c.sexRadio);
    const Painted painted = PressOk();
    if (c.kcal) {
        ExpectFigure(painted, c.kcal);
    } else {
        ExpectWarning(painted);
    }
}

INSTANTIATE_TEST_SUITE_P(
    IndexesAndSexes, RecommendResultTest,
    ::testing::Values(
        RecommendCase{"165", "55", "30", IDC_FEMALE, "1096.1"}, // index 20.20
        RecommendCase{"175", "70", "30", IDC_MALE, "1349.0"},
        // Index 17.58: the warning for both sexes (the BMI page's men's bound 20.0 does not hold here).
        RecommendCase{"160", "45", "30", IDC_FEMALE, nullptr},
        RecommendCase{"160", "45", "30", IDC_MALE, nullptr},
        // 19.53: under the BMI page's bound for men, yet a figure here.
        RecommendCase{"160", "50", "30", IDC_MALE, "976.0"},
        // Exactly 18.5 gets the figure.
        RecommendCase{"200", "74", "30", IDC_FEMALE, "1223.5"},
        RecommendCase{"200", "74", "30", IDC_MALE, "1648.0"},
        // Index 30.0 and a negative figure, painted with its sign.
        RecommendCase{"100", "30", "80", IDC_MALE, "-146.0"},
        // A height of 0 gives an infinite index: the formula's finite figure is shown.
        RecommendCase{"0", "60", "30", IDC_FEMALE, "1202.8"},
        // Ages are whole numbers of any sign.
        RecommendCase{"165", "55", "-3", IDC_FEMALE, "1195.1"}),
    [](const ::testing::TestParamInfo<RecommendCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(RecommendPageTest, AnIndexOfZeroOrBelowOrNotANumberBringsTheParagraphBack)
{
    struct NoResult {
        const char* height;
        const char* weight;
    };
    for (const NoResult& c : {NoResult{"170", "0"}, NoResult{"170", "-5"}, NoResult{"0", "0"}, NoResult{"0", "-5"}}) {
        SCOPED_TRACE(std::string(c.height) + " cm, " + c.weight + " kg");
        Enter("165", "55", "30", IDC_FEMALE);
        ExpectFigure(PressOk(), "1096.1");

        Enter(c.height, c.weight, "30", IDC_FEMALE);
        ExpectNoResult(PressOk());
    }
}

// Reading the fields ----------------------------------------------------------------------------------

// An entry that does not parse, after 여자 165 cm, 55 kg, age 30 (1096.1) and with 남자 clicked: the
// prompt once, for the first field that fails (age, height, weight); nothing is computed, and the next OK
// that reads every field computes from all of them (남자 175/70 at 30: 1349.0).
struct RefusedEntry {
    const char* height;
    const char* weight;
    const char* age;
    int field;
    const char* prompt;
};

const RefusedEntry kRefusedEntries[] = {
    {"175", "70", "30.5", IDC_AGE, "정수를 입력하십시오."},
    {"175", "70", "", IDC_AGE, "정수를 입력하십시오."},
    {"175", "70", "thirty", IDC_AGE, "정수를 입력하십시오."},
    {"175", "70", "3e1", IDC_AGE, "정수를 입력하십시오."},
    {"175", "70", "99999999999", IDC_AGE, "정수를 입력하십시오."},
    {"abc", "70", "40", IDC_HEIGHT, "숫자를 입력하십시오."},
    {"170", "", "20", IDC_WEIGHT, "숫자를 입력하십시오."},
};

TEST_F(RecommendPageTest, ARefusedEntryComputesNothingAndTheNextGoodOneDoes)
{
    Enter("165", "55", "30", IDC_FEMALE);
    ExpectFigure(PressOk(), "1096.1");
    for (const RefusedEntry& c : kRefusedEntries) {
        SCOPED_TRACE(std::string(c.height) + " cm, " + c.weight + " kg, age " + c.age);
        Enter(c.height, c.weight, c.age, IDC_MALE);
        ExpectRefused(c.field, c.prompt);
        ExpectFigure(Repaint(), "1096.1");
        EXPECT_EQ(uitest::Text(m_page, IDC_AGE), c.age); // the entries stay as typed
    }
    Enter("175", "70", "30", IDC_MALE);
    ExpectFigure(PressOk(), "1349.0");
}

TEST_F(RecommendPageTest, TheSexTakesEffectOnlyAtTheNextOk)
{
    Enter("165", "55", "30", IDC_FEMALE);
    ExpectFigure(PressOk(), "1096.1");

    Choose(IDC_MALE);
    EXPECT_FALSE(uitest::IsChecked(m_page, IDC_FEMALE));
    ExpectFigure(Repaint(), "1096.1");

    // 남자 165/55/30: 1683 + 605 − 174 − 1032.
    ExpectFigure(PressOk(), "1082.0");
}

TEST_F(RecommendPageTest, HidingAndShowingRepaintsEachStoredStateWithoutComputing)
{
    ExpectNoResult(HideAndShow());

    Enter("160", "45", "30", IDC_FEMALE);
    ExpectWarning(PressOk());
    Type(IDC_WEIGHT, "55"); // not taken: no OK
    ExpectWarning(HideAndShow());

    ExpectFigure(PressOk(), "1098.2");
    Type(IDC_AGE, "99");
    ExpectFigure(HideAndShow(), "1098.2");
}

// Keys -------------------------------------------------------------------------------------------------

TEST_F(RecommendPageTest, EnterAndEscapeDoNothingInAnyControl)
{
    Enter("165", "55", "30", IDC_FEMALE);
    ExpectEnterAndEscapeDoNothing({IDC_HEIGHT, IDC_WEIGHT, IDC_AGE, IDC_MALE, IDC_FEMALE, IDC_OK}, ExpectNoResult);
    EXPECT_EQ(uitest::Text(m_page, IDC_AGE), "30");
    EXPECT_TRUE(uitest::IsChecked(m_page, IDC_FEMALE));
}

// Bands, control colours and pictures ----------------------------------------------------------------

TEST_F(RecommendPageTest, ThreeBandsBehindTheInputRowsThenWhiteAndTheSexGreyOnItsBand)
{
    ExpectBands(3);
    ExpectGreyCaptionOn(IDC_MALE, kBandColorOdd);
    ExpectGreyCaptionOn(IDC_FEMALE, kBandColorOdd);
}

TEST_F(RecommendPageTest, OnlyTheSexRadioButtonsAreColouredAndTheyHoldTheOneBrush)
{
    ExpectBandColouring(IDC_MALE, kBandColorOdd);
    ExpectBandColouring(IDC_FEMALE, kBandColorOdd);
    // The age edit shares its number with the waist-to-hip page's inch button, which is coloured there.
    for (const int id : {IDC_AGE, IDC_HEIGHT, IDC_WEIGHT}) {
        ExpectStandardColouring(id);
    }
}

// Each state as a person sees it: the figure line in dark red only when there is a figure or a warning.
// The pictures are kept in the test folder for a person to look at.
TEST_F(RecommendPageTest, EachStateShowsOnThePagePicture)
{
    const std::string dir = ::testing::TempDir();
    const CRect firstLine(20, 112, 470, 124);
    EXPECT_EQ(uitest::CountPixels(m_page, firstLine, kDarkRed), 0);
    EXPECT_TRUE(uitest::SaveImage(m_page, dir + "recommend-empty.png"));

    Enter("160", "45", "30", IDC_FEMALE);
    ExpectWarning(PressOk());
    const int warningRed = uitest::CountPixels(m_page, firstLine, kDarkRed);
    EXPECT_GT(warningRed, 100);
    EXPECT_TRUE(uitest::SaveImage(m_page, dir + "recommend-underweight.png"));

    Enter("165", "55", "30", IDC_FEMALE);
    ExpectFigure(PressOk(), "1096.1");
    const int figureRed = uitest::CountPixels(m_page, firstLine, kDarkRed);
    EXPECT_GT(figureRed, 100);
    EXPECT_NE(figureRed, warningRed); // another sentence, not the warning left standing
    EXPECT_TRUE(uitest::SaveImage(m_page, dir + "recommend-figure.png"));
}

} // namespace
