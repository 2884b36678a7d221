// The exercise page as a person uses it: typing weight and minutes, choosing an exercise, pressing OK
// and delete, ticking and highlighting log rows, and reading what the page shows (its painted texts,
// the log's cells, a few pixels of its picture).

#include "BodyPageTest.h"
#include "CalcPageMembers.h"

#include "exercise/ExerciseTable.h"
#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"
#include "res/Resource.h"
#include "ui/SkinColors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using bodytest::ExpectedText;
using bodytest::kDarkRed;
using bodytest::Painted;

constexpr int kWeightEdit = IDC_WEIGHT;
constexpr int kMinutesEdit = IDC_MINUTES;
constexpr int kExerciseBox = IDC_EXERCISE;
constexpr int kOkButton = IDC_OK;
constexpr int kLog = IDC_LOG;
constexpr int kDeleteButton = IDC_DELETE;

const std::string kLastPrefix = "계산된 운동 칼로리는 ";
const std::string kTotalPrefix = "합산된 전체 운동 칼로리는 ";
const std::string kNotFound = "ERROR: 해당 데이터가 존재하지 않습니다.";
const std::string kIntegerPrompt = "정수를 입력하십시오.";
const std::string kNumberPrompt = "숫자를 입력하십시오.";

std::string LastSentence(const std::string& kcal) { return kLastPrefix + kcal + "Kcal 입니다."; }
std::string TotalSentence(const std::string& kcal) { return kTotalPrefix + kcal + "Kcal 입니다."; }

// The sentence of a paint that starts with `prefix`, or a note that none was painted.
std::string SentenceOf(const Painted& painted, const std::string& prefix)
{
    const DrawnText* e = painted.FindStartingWith(prefix);
    return e ? e->text : "(not painted)";
}

using Row = std::array<std::string, 3>;
using Rows = std::vector<Row>;

// The exercise page, shown as the main window shows it.
class ExercisePageTest : public bodytest::PageTest<CExerciseDlg> {
protected:
    ExercisePageTest() : PageTest("몸무게") {}

    // Clicks a button and answers what the page painted before the click returned.
    Painted Press(int button)
    {
        CDrawRecorder recorder;
        EXPECT_TRUE(uitest::Click(m_page, button));
        uitest::ProcessEvents();
        return PaintedBy(recorder);
    }

    void Enter(const std::string& weight, const std::string& exercise, const std::string& minutes)
    {
        Type(kWeightEdit, weight);
        ASSERT_TRUE(uitest::ChooseComboEntry(m_page, kExerciseBox, exercise));
        Type(kMinutesEdit, minutes);
    }

    // Enters and presses OK, expecting no prompt.
    Painted Calculate(const std::string& weight, const std::string& exercise, const std::string& minutes)
    {
        Enter(weight, exercise, minutes);
        uitest::MessageBoxRecorder boxes;
        Painted painted = PressOk();
        EXPECT_TRUE(boxes.Texts().empty());
        return painted;
    }

    Rows LogRows()
    {
        Rows rows;
        for (int row = 0; row < Members(*m_page).m_listLog.GetItemCount(); ++row) {
            rows.push_back({uitest::ListText(m_page, kLog, row, 0), uitest::ListText(m_page, kLog, row, 1),
                            uitest::ListText(m_page, kLog, row, 2)});
        }
        return rows;
    }

    // Three rows, newest first: 118.0, 38.0 and 114.0 kcal.
    void LogThreeRows()
    {
        Calculate("60", "걷기(4km/h)", "30");
        Calculate("60", "걷기(4km/h)", "10");
        Calculate("40", "달리기(16km/h)", "10");
        ASSERT_EQ(LogRows(), (Rows{{"달리기(16km/h)", "10분", "118.0"},
                                   {"걷기(4km/h)", "10분", "38.0"},
                                   {"걷기(4km/h)", "30분", "114.0"}}));
    }

    static void ExpectSentences(const Painted& painted, const std::string& last, const std::string& total)
    {
        EXPECT_EQ(SentenceOf(painted, kLastPrefix), LastSentence(last));
        EXPECT_EQ(SentenceOf(painted, kTotalPrefix), TotalSentence(total));
    }
};

std::vector<std::string> TableNames()
{
    std::vector<std::string> names;
    BuildExerciseTable([&](std::unique_ptr<ExerciseRecord> record) { names.emplace_back(record->name); });
    return names;
}

// Start ------------------------------------------------------------------------------------------

TEST_F(ExercisePageTest, StartsOnStandingStillWithZeroesAnEmptyLogAndZeroSentences)
{
    EXPECT_EQ(uitest::Text(m_page, kExerciseBox), "가만히 서있기");
    EXPECT_EQ(uitest::Text(m_page, kWeightEdit), "0");
    EXPECT_EQ(uitest::Text(m_page, kMinutesEdit), "0");
    EXPECT_EQ(Members(*m_page).m_listLog.GetItemCount(), 0);
    EXPECT_EQ(uitest::ListHeaders(m_page, kLog), (std::vector<std::string>{"운동종목", "시간(분)", "칼로리(Kcal)"}));
    EXPECT_TRUE(uitest::ListShowsGrid(m_page, kLog));

    const std::string last = LastSentence("0.0");
    const std::string total = TotalSentence("0.0");
    Repaint().ExpectShowsExactly({{"몸무게", 20, 10, kLabelColor},
                                  {"kg", 190, 10, kLabelColor},
                                  {"운동종목", 20, 42, kLabelColor},
                                  {"운동시간", 275, 42, kLabelColor},
                                  {"분", 435, 42, kLabelColor},
                                  {last.c_str(), 20, 74, kDarkRed},
                                  {total.c_str(), 20, 234, kDarkRed}});
}

TEST_F(ExercisePageTest, TheDropDownOffersEveryNameInKoreanOrder)
{
    const std::vector<std::string> shown = uitest::ComboEntries(m_page, kExerciseBox);
    std::vector<std::string> table = TableNames();
    ASSERT_EQ(shown.size(), 85u);
    EXPECT_NE(shown, table) << "table order shows nowhere";
    // Hangul syllables are encoded in alphabetical order and the qualifiers begin with ASCII
    // punctuation and digits, so for these names Korean order is the order of their bytes.
    std::sort(table.begin(), table.end());
    EXPECT_EQ(shown, table);
    EXPECT_EQ(shown.front(), "가만히 서있기");
    EXPECT_EQ(shown.back(), "핸드볼");
}

TEST_F(ExercisePageTest, OkWithTheStartingZeroesLogsNothingAndShowsNothingNew)
{
    uitest::MessageBoxRecorder boxes;
    const Painted painted = PressOk();
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(Members(*m_page).m_listLog.GetItemCount(), 0);
    if (!painted.Entries().empty()) { // the button's own repaint may show the page beneath it
        ExpectSentences(painted, "0.0", "0.0");
    }
    ExpectSentences(Repaint(), "0.0", "0.0");
}

// Calculations -----------------------------------------------------------------------------------

TEST_F(ExercisePageTest, AWalkIsLoggedAtTheTopAndBothSentencesShowIt)
{
    const Painted painted = Calculate("60", "걷기(4km/h)", "30");
    EXPECT_EQ(LogRows(), (Rows{{"걷기(4km/h)", "30분", "114.0"}}));
    EXPECT_FALSE(Members(*m_page).m_listLog.GetCheck(0)) << "a new row starts unticked";
    ExpectSentences(painted, "114.0", "114.0");
}

TEST_F(ExercisePageTest, ASecondCalculationGoesAboveAndTheSumAddsTheRows)
{
    Calculate("60", "걷기(4km/h)", "30");
    const Painted painted = Calculate("40", "달리기(16km/h)", "10");
    EXPECT_EQ(LogRows(), (Rows{{"달리기(16km/h)", "10분", "118.0"}, {"걷기(4km/h)", "30분", "114.0"}}));
    ExpectSentences(painted, "118.0", "232.0");
}

TEST_F(ExercisePageTest, TheSumAddsWhatTheRowsShowReadInSinglePrecision)
{
    // 21.1 kcal a minute for 999 999 minutes is 21099978.9, which single precision holds as 21099978.
    const Painted painted = Calculate("100", "권투(시합)", "999999");
    EXPECT_EQ(LogRows(), (Rows{{"권투(시합)", "999999분", "21099978.9"}}));
    ExpectSentences(painted, "21099978.9", "21099978.0");
}

struct ColumnCase {
    const char* weight;
    const char* kcal; // 걷기(4km/h) for 10 minutes
};

class ExerciseWeightColumnTest : public ExercisePageTest, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(ExerciseWeightColumnTest, TheWeightPicksItsColumnAtTheBounds)
{
    const Painted painted = Calculate(GetParam().weight, "걷기(4km/h)", "10");
    EXPECT_EQ(LogRows(), (Rows{{"걷기(4km/h)", "10분", GetParam().kcal}}));
    ExpectSentences(painted, GetParam().kcal, GetParam().kcal);
}

INSTANTIATE_TEST_SUITE_P(Bounds, ExerciseWeightColumnTest,
                         ::testing::Values(ColumnCase{"-5", "30.0"}, ColumnCase{"0", "30.0"},
                                           ColumnCase{"48.4", "30.0"}, ColumnCase{"48.5", "32.0"},
                                           ColumnCase{"60", "38.0"}, ColumnCase{"93.4", "59.0"},
                                           ColumnCase{"93.5", "61.0"}, ColumnCase{"150", "61.0"}));

// Entries that do not parse ------------------------------------------------------------------------

// An entry that does not parse, after 60 kg and 30 minutes were logged: the prompt once, for the field
// read first of those that fail (minutes, then weight); nothing is computed or logged; the entries stay
// for correcting, and the next OK that reads them all computes.
struct RefusedEntry {
    const char* weight;
    const char* minutes;
    int field;
    const std::string& prompt;
};

const RefusedEntry kRefusedEntries[] = {
    {"100", "abc", kMinutesEdit, kIntegerPrompt},
    {"100", "30.5", kMinutesEdit, kIntegerPrompt},
    {"sixty", "10", kWeightEdit, kNumberPrompt},
    {"abc", "abc", kMinutesEdit, kIntegerPrompt},
};

TEST_F(ExercisePageTest, ARefusedEntryComputesNothingAndTheNextGoodOneDoes)
{
    Calculate("60", "걷기(4km/h)", "30");
    for (const RefusedEntry& c : kRefusedEntries) {
        SCOPED_TRACE(std::string(c.weight) + " kg, " + c.minutes + " minutes");
        Enter(c.weight, "걷기(4km/h)", c.minutes);
        ExpectRefused(c.field, c.prompt);
        EXPECT_EQ(LogRows(), (Rows{{"걷기(4km/h)", "30분", "114.0"}}));
        ExpectSentences(Repaint(), "114.0", "114.0");
        EXPECT_EQ(uitest::Text(m_page, kMinutesEdit), c.minutes);
        EXPECT_EQ(uitest::Text(m_page, kWeightEdit), c.weight);
    }
    ExpectSentences(Calculate("60", "걷기(4km/h)", "10"), "38.0", "152.0");
}

TEST_F(ExercisePageTest, NegativeMinutesLogNothingAndShowTheProductAtTheNextPaint)
{
    Calculate("60", "걷기(4km/h)", "30");
    const CRect lastLine(20, 74, 300, 88);
    const int redBefore = uitest::CountPixels(m_page, lastLine, kDarkRed);
    ASSERT_GT(redBefore, 0);

    Calculate("60", "걷기(4km/h)", "-10");
    EXPECT_EQ(LogRows(), (Rows{{"걷기(4km/h)", "30분", "114.0"}}));
    EXPECT_EQ(uitest::CountPixels(m_page, lastLine, kDarkRed), redBefore) << "the page was not repainted";

    ExpectSentences(Repaint(), "-38.0", "114.0");
    EXPECT_NE(uitest::CountPixels(m_page, lastLine, kDarkRed), redBefore);
}

TEST_F(ExercisePageTest, ATextThatMatchesNoExerciseBringsTheErrorBoxAndChangesNothing)
{
    Calculate("60", "걷기(4km/h)", "30");
    const int selected = Members(*m_page).m_comboExercise.GetCurSel();
    ASSERT_TRUE(uitest::RenameComboEntry(m_page, kExerciseBox, selected, "걷기"));
    ASSERT_TRUE(uitest::TypeText(m_page, kMinutesEdit, "60"));

    uitest::MessageBoxRecorder boxes;
    PressOk();
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kNotFound});
    EXPECT_EQ(boxes.Types(), std::vector<UINT>{MB_OK | MB_ICONEXCLAMATION});
    EXPECT_EQ(LogRows(), (Rows{{"걷기(4km/h)", "30분", "114.0"}}));
    ExpectSentences(Repaint(), "114.0", "114.0");
}

TEST_F(ExercisePageTest, WithoutASelectionOkDoesNothing)
{
    Calculate("60", "걷기(4km/h)", "30");
    Members(*m_page).m_comboExercise.SetCurSel(-1);
    ASSERT_TRUE(uitest::TypeText(m_page, kMinutesEdit, "60"));
    uitest::MessageBoxRecorder boxes;
    PressOk();
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(Members(*m_page).m_listLog.GetItemCount(), 1);
    ExpectSentences(Repaint(), "114.0", "114.0");
}

// Deleting ---------------------------------------------------------------------------------------------

TEST_F(ExercisePageTest, DeleteWithNothingTickedKeepsTheLogAndRepaints)
{
    LogThreeRows();
    const Rows before = LogRows();
    const Painted painted = Press(kDeleteButton);
    EXPECT_EQ(LogRows(), before);
    ExpectSentences(painted, "118.0", "270.0");
}

TEST_F(ExercisePageTest, HighlightedRowsAreNotDeleted)
{
    LogThreeRows();
    const Rows before = LogRows();
    ASSERT_TRUE(uitest::SelectListRow(m_page, kLog, 1));
    ASSERT_TRUE(uitest::WaitUntil([this] { return Members(*m_page).m_listLog.GetItemState(1, LVIS_SELECTED) != 0; }));
    EXPECT_FALSE(Members(*m_page).m_listLog.GetCheck(1)) << "a click on the text only highlights";
    Press(kDeleteButton);
    EXPECT_EQ(LogRows(), before);
}

TEST_F(ExercisePageTest, ExactlyTheTickedRowsGoAndTheSumFollows)
{
    LogThreeRows();
    ASSERT_TRUE(uitest::TickListRow(m_page, kLog, 0));
    ASSERT_TRUE(uitest::TickListRow(m_page, kLog, 2));
    ASSERT_TRUE(uitest::SelectListRow(m_page, kLog, 1)); // highlighted, not ticked: stays
    const Painted painted = Press(kDeleteButton);
    EXPECT_EQ(LogRows(), (Rows{{"걷기(4km/h)", "10분", "38.0"}}));
    EXPECT_FALSE(Members(*m_page).m_listLog.GetCheck(0));
    ExpectSentences(painted, "118.0", "38.0");
}

TEST_F(ExercisePageTest, TheSpaceKeyTicksTheFocusedRow)
{
    LogThreeRows();
    ASSERT_TRUE(uitest::SelectListRow(m_page, kLog, 1));
    ASSERT_TRUE(uitest::PressKey(m_page, kLog, VK_SPACE));
    EXPECT_TRUE(Members(*m_page).m_listLog.GetCheck(1));
    EXPECT_FALSE(Members(*m_page).m_listLog.GetCheck(0));
    EXPECT_FALSE(Members(*m_page).m_listLog.GetCheck(2));
    ASSERT_TRUE(uitest::PressKey(m_page, kLog, VK_SPACE));
    EXPECT_FALSE(Members(*m_page).m_listLog.GetCheck(1)) << "a second Space unticks";
    ASSERT_TRUE(uitest::PressKey(m_page, kLog, VK_SPACE));
    Press(kDeleteButton);
    EXPECT_EQ(LogRows(), (Rows{{"달리기(16km/h)", "10분", "118.0"}, {"걷기(4km/h)", "30분", "114.0"}}));
}

TEST_F(ExercisePageTest, DeletingEveryRowEmptiesTheLogAndKeepsTheLastCalculation)
{
    LogThreeRows();
    for (int row = 0; row < 3; ++row) {
        ASSERT_TRUE(uitest::TickListRow(m_page, kLog, row));
    }
    const Painted painted = Press(kDeleteButton);
    EXPECT_TRUE(LogRows().empty());
    ExpectSentences(painted, "118.0", "0.0");

    // The log grows again from empty.
    ExpectSentences(Calculate("60", "걷기(4km/h)", "30"), "114.0", "114.0");
}

// The records --------------------------------------------------------------------------------------------

TEST_F(ExercisePageTest, ThePageHoldsTheTableInTableOrderAndDeletingRowsLeavesItAsItWas)
{
    std::vector<const ExerciseRecord*> records;
    for (POSITION p = Members(*m_page).m_exercises.GetHeadPosition(); p;) {
        records.push_back(static_cast<const ExerciseRecord*>(Members(*m_page).m_exercises.GetNext(p)));
    }
    std::vector<std::string> names;
    std::vector<ExerciseRecord> copies;
    for (const ExerciseRecord* record : records) {
        names.emplace_back(record->name);
        copies.push_back(*record);
    }
    EXPECT_EQ(names, TableNames());

    LogThreeRows();
    for (int row = 0; row < 3; ++row) {
        ASSERT_TRUE(uitest::TickListRow(m_page, kLog, row));
    }
    Press(kDeleteButton);
    ASSERT_EQ(Members(*m_page).m_exercises.GetCount(), 85);
    POSITION p = Members(*m_page).m_exercises.GetHeadPosition();
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(names[i]);
        const auto* record = static_cast<const ExerciseRecord*>(Members(*m_page).m_exercises.GetNext(p));
        ASSERT_EQ(record, records[i]);
        EXPECT_EQ(std::memcmp(record, &copies[i], sizeof(ExerciseRecord)), 0);
    }
}

// Keys ---------------------------------------------------------------------------------------------------

TEST_F(ExercisePageTest, EnterAndEscapeDoNothingInAnyControl)
{
    LogThreeRows();
    ASSERT_TRUE(uitest::TickListRow(m_page, kLog, 0));
    Enter("60", "걷기(4km/h)", "20");
    ExpectEnterAndEscapeDoNothing({kWeightEdit, kExerciseBox, kMinutesEdit, kOkButton, kLog, kDeleteButton},
                                  [this](const Painted& painted) {
                                      // Enter taken as OK would log a fourth row, as delete drop the ticked one.
                                      EXPECT_EQ(Members(*m_page).m_listLog.GetItemCount(), 3);
                                      ExpectSentences(painted, "118.0", "270.0");
                                  });
    EXPECT_EQ(uitest::Text(m_page, kExerciseBox), "걷기(4km/h)");
}

// The picture ------------------------------------------------------------------------------------------

// Eight bands from band 0; the log covers bands 3 to 6.
TEST_F(ExercisePageTest, BandsShowAboveAndBelowTheLog)
{
    Repaint();
    EXPECT_EQ(uitest::PixelColor(m_page, 460, 2), kBandColorEven);
    EXPECT_EQ(uitest::PixelColor(m_page, 460, 33), kBandColorOdd);
    EXPECT_EQ(uitest::PixelColor(m_page, 5, 66), kBandColorEven);
    EXPECT_EQ(uitest::PixelColor(m_page, 300, 90), kBandColorEven);
    EXPECT_EQ(uitest::PixelColor(m_page, 5, 230), kBandColorOdd);
    EXPECT_EQ(uitest::PixelColor(m_page, 460, 249), kBandColorOdd);
}

TEST_F(ExercisePageTest, TheDeleteButtonIsOneFrameOfItsStripAndOnTop)
{
    const CRect rect = uitest::ControlRect(m_page, kDeleteButton);
    EXPECT_EQ(rect.Width(), 97);
    EXPECT_EQ(rect.Height(), 20);
    EXPECT_EQ(rect.TopLeft(), CPoint(316, 228));
    EXPECT_TRUE(uitest::IsVisible(m_page, kDeleteButton));
}

// A log of three rows with the middle one ticked, kept in the test folder for a person to look at: the
// ticked box shows its mark, the rows their texts, both sentences their sums.
TEST_F(ExercisePageTest, ThePictureShowsTheLogWithItsTickedRow)
{
    LogThreeRows();
    ASSERT_TRUE(uitest::TickListRow(m_page, kLog, 1));
    Repaint();
    uitest::ProcessEvents();
    EXPECT_TRUE(uitest::SaveImage(m_page, ::testing::TempDir() + "exercise-log.png"));

    const auto darkPixels = [this](const CRect& area) {
        int dark = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                const COLORREF c = uitest::PixelColor(m_page, x, y);
                dark += GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100;
            }
        }
        return dark;
    };
    const CRect boxes[] = {uitest::ListCheckBoxRect(m_page, kLog, 0), uitest::ListCheckBoxRect(m_page, kLog, 1),
                           uitest::ListCheckBoxRect(m_page, kLog, 2)};
    for (const CRect& box : boxes) {
        ASSERT_FALSE(box.IsRectEmpty());
    }
    EXPECT_GT(darkPixels(boxes[1]), darkPixels(boxes[0]) + 4) << "the tick mark";
    EXPECT_EQ(darkPixels(boxes[0]), darkPixels(boxes[2]));
    // The rows' texts are dark on the list's white, right of the boxes.
    for (const CRect& box : boxes) {
        EXPECT_GT(darkPixels(CRect(box.right + 2, box.top, box.right + 80, box.bottom)), 10);
    }
    EXPECT_GT(uitest::CountPixels(m_page, CRect(20, 74, 300, 88), kDarkRed), 100);
    EXPECT_GT(uitest::CountPixels(m_page, CRect(20, 234, 300, 248), kDarkRed), 100);
}

} // namespace
