// The waist-to-hip page as a person uses it: typing waist and hip, choosing their units and the sex,
// pressing OK, and reading what the page paints: "정상입니다. " in green, "복부비만 입니다." in dark red
// with the advice paragraph, or how to measure while no hip has been read. The ratio is never shown.

#include "BodyPageTest.h"
#include "CalcPageMembers.h"

#include "body/WaistHipDlg.h"
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

const ExpectedText kLabels[] = {
    {"허리둘레", 20, 10, kLabelColor}, {"엉덩이둘레", 20, 42, kLabelColor}, {"성별", 20, 74, kLabelColor}};

const ExpectedText kNormal[] = {{"정상입니다. ", 20, 106, kGreen}};

const ExpectedText kAbdominalObesity[] = {
    {"복부비만 입니다.", 20, 106, kDarkRed},
    {"복부 비만을 해결하기 위해서는 어떻게 해야 할까요?", 20, 135, kDarkRed},
    {"복부 비만은 내장에 지방이 쌓인 것이므로 특별한 비법이 있는 것이 아니라", 20, 151, kLabelColor},
    {"규칙적인 운동과 적절한 식사요법으로 열량 섭취를 줄이고 열량 소비를 늘려야", 20, 167, kLabelColor},
    {"해결될 수 있습니다. 일부에서는 뱃살은 허리 운동과 복근 운동을 하면", 20, 183, kLabelColor},
    {"들어간다고 하는데 이는 사실이 아닙니다. 복부 비만은 만병의 근원입니다.", 20, 199, kLabelColor},
    {"규칙적인 운동과 적절한 식사요법으로 내장 지방을 줄이는 것이", 20, 215, kLabelColor},
    {"성인병을 예방하고 건강하게 장수하는 비결입니다.", 20, 231, kLabelColor},
};

const ExpectedText kMeasuring[] = {
    {"가정에서 복부 비만 여부를 간단히 확인하는 간단한 방법은 허리 둘레와", 20, 145, kLabelColor},
    {"엉덩이 둘레를 측정하는 것입니다. 허리 둘레는 허리의 가장 가는 부분을 재고,", 20, 165, kLabelColor},
    {"엉덩이 둘레는 엉덩이의 가장 굵은 부분을 잰 다음, 허리 둘레를 엉덩이 둘레로", 20, 185, kLabelColor},
    {"나눈 값(허리 둘레/엉덩이 둘레)이 여성의 경우 0.80 이상,", 20, 205, kLabelColor},
    {"남성의 경우 1.0 이상 이면 복부 비만이라고 판정합니다.", 20, 225, kLabelColor},
};

enum class Verdict { Measuring, Normal, AbdominalObesity };

std::ostream& operator<<(std::ostream& os, Verdict v)
{
    return os << (v == Verdict::Normal ? "normal" : v == Verdict::AbdominalObesity ? "abdominal obesity" : "measuring");
}

// The waist-to-hip page, shown as the main window shows it.
class WaistHipPageTest : public PageTest<CWaistHipDlg> {
protected:
    WaistHipPageTest() : PageTest(kLabels[0].text) {}

    void Enter(const std::string& waist, int waistUnitRadio, const std::string& hip, int hipUnitRadio, int sexRadio)
    {
        Type(IDC_WAIST, waist);
        Choose(waistUnitRadio);
        Type(IDC_HIP, hip);
        Choose(hipUnitRadio);
        Choose(sexRadio);
    }

    // The page's whole text: its labels and the texts of the verdict, nothing else (no ratio).
    static void ExpectVerdict(const Painted& painted, Verdict verdict)
    {
        SCOPED_TRACE(::testing::PrintToString(verdict));
        switch (verdict) {
        case Verdict::Measuring:
            painted.ExpectShowsExactly(Concat({kLabels, kMeasuring}));
            break;
        case Verdict::Normal:
            painted.ExpectShowsExactly(Concat({kLabels, kNormal}));
            break;
        case Verdict::AbdominalObesity:
            painted.ExpectShowsExactly(Concat({kLabels, kAbdominalObesity}));
            break;
        }
    }
};

// Start --------------------------------------------------------------------------------------------

TEST_F(WaistHipPageTest, StartsWithZeroesInchesFemaleAndTheMeasuringParagraph)
{
    EXPECT_EQ(uitest::Text(m_page, IDC_WAIST), "0");
    EXPECT_EQ(uitest::Text(m_page, IDC_HIP), "0");
    for (const int checked : {IDC_WAIST_INCH, IDC_HIP_INCH, IDC_FEMALE}) {
        EXPECT_TRUE(uitest::IsChecked(m_page, checked)) << checked;
    }
    for (const int unchecked : {IDC_WAIST_CM, IDC_HIP_CM, IDC_MALE}) {
        EXPECT_FALSE(uitest::IsChecked(m_page, unchecked)) << unchecked;
    }
    ExpectVerdict(Repaint(), Verdict::Measuring);
}

// Verdicts by measures, units and sex -----------------------------------------------------------------

struct WaistHipCase {
    const char* waist;
    int waistUnitRadio;
    const char* hip;
    int hipUnitRadio;
    int sexRadio;
    Verdict verdict;
};

void PrintTo(const WaistHipCase& c, std::ostream* os)
{
    const auto unit = [](int radio) { return radio == IDC_WAIST_INCH || radio == IDC_HIP_INCH ? " in" : " cm"; };
    *os << "waist " << c.waist << unit(c.waistUnitRadio) << ", hip " << c.hip << unit(c.hipUnitRadio) << ", "
        << (c.sexRadio == IDC_MALE ? "남자" : "여자");
}

class WaistHipVerdictTest : public WaistHipPageTest, public ::testing::WithParamInterface<WaistHipCase> {};

TEST_P(WaistHipVerdictTest, PaintsTheVerdictOfTheRatioAgainstTheBoundOfTheSex)
{
    const WaistHipCase& c = GetParam();
    Enter(c.waist, c.waistUnitRadio, c.hip, c.hipUnitRadio, c.sexRadio);
    ExpectVerdict(PressOk(), c.verdict);
}

constexpr int kWaistIn = IDC_WAIST_INCH;
constexpr int kWaistCm = IDC_WAIST_CM;
constexpr int kHipIn = IDC_HIP_INCH;
constexpr int kHipCm = IDC_HIP_CM;

INSTANTIATE_TEST_SUITE_P(
    BoundsUnitsAndSexes, WaistHipVerdictTest,
    ::testing::Values(
        WaistHipCase{"30", kWaistIn, "38", kHipIn, IDC_FEMALE, Verdict::Normal},           // 0.789
        WaistHipCase{"32", kWaistIn, "38", kHipIn, IDC_FEMALE, Verdict::AbdominalObesity}, // 0.842
        WaistHipCase{"32", kWaistIn, "38", kHipIn, IDC_MALE, Verdict::Normal},
        // The bounds themselves are abdominal obesity.
        WaistHipCase{"80", kWaistCm, "100", kHipCm, IDC_FEMALE, Verdict::AbdominalObesity},
        WaistHipCase{"79.9", kWaistCm, "100", kHipCm, IDC_FEMALE, Verdict::Normal},
        WaistHipCase{"100", kWaistCm, "100", kHipCm, IDC_MALE, Verdict::AbdominalObesity},
        WaistHipCase{"99.9", kWaistCm, "100", kHipCm, IDC_MALE, Verdict::Normal},
        WaistHipCase{"36", kWaistIn, "38", kHipIn, IDC_MALE, Verdict::Normal},
        // Mixed units, each group read on its own (the waist's runs over the hip edit): 80 cm over
        // 38 in (96.52 cm) is 0.829; 38 in over 96.52 cm is 1.0; 30 in over 80 cm 0.95.
        WaistHipCase{"80", kWaistCm, "38", kHipIn, IDC_FEMALE, Verdict::AbdominalObesity},
        WaistHipCase{"80", kWaistCm, "38", kHipIn, IDC_MALE, Verdict::Normal},
        WaistHipCase{"38", kWaistIn, "96.52", kHipCm, IDC_MALE, Verdict::AbdominalObesity},
        WaistHipCase{"30", kWaistIn, "80", kHipCm, IDC_FEMALE, Verdict::AbdominalObesity},
        // The waist is not tested: 0 or below is normal.
        WaistHipCase{"0", kWaistCm, "90", kHipCm, IDC_FEMALE, Verdict::Normal},
        WaistHipCase{"-30", kWaistIn, "38", kHipIn, IDC_MALE, Verdict::Normal},
        // Both measures overflow to infinity in inches: the ratio is not a number, taken as normal.
        WaistHipCase{"1e308", kWaistIn, "1e308", kHipIn, IDC_FEMALE, Verdict::Normal},
        // No hip: how to measure.
        WaistHipCase{"80", kWaistCm, "0", kHipCm, IDC_FEMALE, Verdict::Measuring},
        WaistHipCase{"80", kWaistCm, "-38", kHipIn, IDC_MALE, Verdict::Measuring}),
    [](const ::testing::TestParamInfo<WaistHipCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(WaistHipPageTest, AHipOfZeroAfterAVerdictBringsTheMeasuringParagraphBack)
{
    for (const Verdict verdict : {Verdict::Normal, Verdict::AbdominalObesity}) {
        Enter(verdict == Verdict::Normal ? "30" : "32", kWaistIn, "38", kHipIn, IDC_FEMALE);
        ExpectVerdict(PressOk(), verdict);
        Type(IDC_HIP, "0");
        ExpectVerdict(PressOk(), Verdict::Measuring);
    }
}

// Reading the fields ----------------------------------------------------------------------------------

// An entry that does not parse, after 여자 32 in over 38 in (0.842, abdominal obesity) and with both units
// on cm and 남자 clicked: the prompt once, for the first field that fails (hip, then waist); nothing is
// taken, not even a hip read before a refused waist (32 in over 50 in would read normal), and the next OK
// that reads every field judges them all (남자 80 cm over 100 cm, 0.8: normal).
struct RefusedEntry {
    const char* waist;
    const char* hip;
    int field;
};

const RefusedEntry kRefusedEntries[] = {
    {"10", "abc", IDC_HIP}, {"10", "", IDC_HIP}, {"10", "1e999", IDC_HIP}, {"10", "38in", IDC_HIP},
    {"abc", "50", IDC_WAIST}, {"", "39", IDC_WAIST},
};

TEST_F(WaistHipPageTest, ARefusedEntryComputesNothingAndTheNextGoodOneDoes)
{
    Enter("32", kWaistIn, "38", kHipIn, IDC_FEMALE);
    ExpectVerdict(PressOk(), Verdict::AbdominalObesity);
    for (const RefusedEntry& c : kRefusedEntries) {
        SCOPED_TRACE(std::string("waist ") + c.waist + ", hip " + c.hip);
        Enter(c.waist, kWaistCm, c.hip, kHipCm, IDC_MALE);
        ExpectRefused(c.field, "숫자를 입력하십시오.");
        ExpectVerdict(HideAndShow(), Verdict::AbdominalObesity);
    }
    Enter("80", kWaistCm, "100", kHipCm, IDC_MALE);
    ExpectVerdict(PressOk(), Verdict::Normal);
}

TEST_F(WaistHipPageTest, AUnitOrTheSexChangedWithoutOkChangesNothingOnTheScreen)
{
    Enter("80", kWaistCm, "100", kHipCm, IDC_FEMALE);
    ExpectVerdict(PressOk(), Verdict::AbdominalObesity);

    // 남자 at 0.8, or the waist in inches (2.0), or the hip in inches (0.31) would each read differently.
    for (const int radio : {IDC_MALE, kWaistIn, kHipIn}) {
        SCOPED_TRACE(radio);
        Choose(radio);
        ExpectVerdict(Repaint(), Verdict::AbdominalObesity);
    }
    // All three read now: 80 in over 100 in for 남자.
    ExpectVerdict(PressOk(), Verdict::Normal);
}

TEST_F(WaistHipPageTest, HidingAndShowingRepaintsTheSameVerdict)
{
    ExpectVerdict(HideAndShow(), Verdict::Measuring);
    Enter("30", kWaistIn, "38", kHipIn, IDC_FEMALE);
    ExpectVerdict(PressOk(), Verdict::Normal);
    ExpectVerdict(HideAndShow(), Verdict::Normal);

    Enter("80", kWaistCm, "38", kHipIn, IDC_FEMALE);
    ExpectVerdict(PressOk(), Verdict::AbdominalObesity);
    Choose(IDC_MALE); // not taken: no OK
    ExpectVerdict(HideAndShow(), Verdict::AbdominalObesity);
}

// Keys -------------------------------------------------------------------------------------------------

TEST_F(WaistHipPageTest, EnterAndEscapeDoNothingInAnyControl)
{
    Enter("32", kWaistIn, "38", kHipIn, IDC_FEMALE);
    ExpectEnterAndEscapeDoNothing({IDC_WAIST, kWaistIn, kWaistCm, IDC_HIP, kHipIn, kHipCm, IDC_MALE, IDC_FEMALE, IDC_OK},
                                  [](const Painted& painted) { ExpectVerdict(painted, Verdict::Measuring); });
    EXPECT_TRUE(uitest::IsChecked(m_page, kWaistIn));
    EXPECT_TRUE(uitest::IsChecked(m_page, kHipIn));
    EXPECT_TRUE(uitest::IsChecked(m_page, IDC_FEMALE));
}

// Bands, control colours and pictures ----------------------------------------------------------------

TEST_F(WaistHipPageTest, FourBandsThenWhiteAndEachRadioRowGreyOnItsBand)
{
    ExpectBands(4);
    for (const int id : {kWaistIn, kWaistCm, IDC_MALE, IDC_FEMALE}) {
        ExpectGreyCaptionOn(id, kBandColorEven);
    }
    for (const int id : {kHipIn, kHipCm}) {
        ExpectGreyCaptionOn(id, kBandColorOdd);
    }
}

TEST_F(WaistHipPageTest, ColourRequestsAnswerTheBandOfEachRadioRowThroughTheOneBrush)
{
    for (const int id : {kWaistIn, kWaistCm, IDC_MALE, IDC_FEMALE}) {
        ExpectBandColouring(id, kBandColorEven);
    }
    for (const int id : {kHipIn, kHipCm}) {
        ExpectBandColouring(id, kBandColorOdd);
    }
    ExpectStandardColouring(IDC_WAIST);
    ExpectStandardColouring(IDC_HIP);
}

// Each verdict as a person sees it on the verdict line: green for normal, dark red for abdominal obesity,
// neither before. The pictures are kept in the test folder for a person to look at.
TEST_F(WaistHipPageTest, EachVerdictShowsOnThePagePictureInItsColour)
{
    const std::string dir = ::testing::TempDir();
    const CRect verdictLine(20, 106, 470, 118);
    EXPECT_EQ(uitest::CountPixels(m_page, verdictLine, kGreen), 0);
    EXPECT_EQ(uitest::CountPixels(m_page, verdictLine, kDarkRed), 0);
    EXPECT_TRUE(uitest::SaveImage(m_page, dir + "waisthip-empty.png"));

    Enter("30", kWaistIn, "38", kHipIn, IDC_FEMALE);
    ExpectVerdict(PressOk(), Verdict::Normal);
    EXPECT_GT(uitest::CountPixels(m_page, verdictLine, kGreen), 50);
    EXPECT_EQ(uitest::CountPixels(m_page, verdictLine, kDarkRed), 0);
    EXPECT_TRUE(uitest::SaveImage(m_page, dir + "waisthip-normal.png"));

    Enter("32", kWaistIn, "38", kHipIn, IDC_FEMALE);
    ExpectVerdict(PressOk(), Verdict::AbdominalObesity);
    EXPECT_EQ(uitest::CountPixels(m_page, verdictLine, kGreen), 0);
    EXPECT_GT(uitest::CountPixels(m_page, verdictLine, kDarkRed), 50);
    EXPECT_TRUE(uitest::SaveImage(m_page, dir + "waisthip-obesity.png"));
}

} // namespace
