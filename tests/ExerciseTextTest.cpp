// The exercise page's texts: log cells, result sentences, and reading a logged value back for the sum.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "exercise/ExerciseText.h"

namespace {

TEST(ExerciseText, LogCellsAsTheRowsShowThem)
{
    EXPECT_EQ(MinutesText(30), "30분");
    EXPECT_EQ(MinutesText(0), "0분");
    EXPECT_EQ(MinutesText(-10), "-10분");
    EXPECT_EQ(MinutesText(INT_MIN), "-2147483648분");

    EXPECT_EQ(KcalText(114.0), "114.0");
    EXPECT_EQ(KcalText(3.8 * 30), "114.0"); // 113.99999999999999 in double
    EXPECT_EQ(KcalText(1266.0), "1266.0");
    EXPECT_EQ(KcalText(0.05), "0.1");
    EXPECT_EQ(KcalText(-38.0), "-38.0");
    // The largest product: 23.1 kcal a minute for INT_MAX minutes.
    EXPECT_EQ(KcalText(23.1 * INT_MAX), "49606872245.7");
}

TEST(ExerciseText, SentencesCarryTheirNumberWithOneDecimal)
{
    EXPECT_EQ(LastKcalSentence(0.0), "계산된 운동 칼로리는 0.0Kcal 입니다.");
    EXPECT_EQ(LastKcalSentence(114.0), "계산된 운동 칼로리는 114.0Kcal 입니다.");
    EXPECT_EQ(LastKcalSentence(-38.0), "계산된 운동 칼로리는 -38.0Kcal 입니다.");
    EXPECT_EQ(TotalKcalSentence(0.0), "합산된 전체 운동 칼로리는 0.0Kcal 입니다.");
    EXPECT_EQ(TotalKcalSentence(232.0), "합산된 전체 운동 칼로리는 232.0Kcal 입니다.");
}

TEST(ExerciseText, LoggedValuesReadBackInSinglePrecision)
{
    EXPECT_EQ(ParseKcalText("114.0"), 114.0F);
    EXPECT_EQ(ParseKcalText("0.1"), 0.1F);
    EXPECT_NE(static_cast<double>(ParseKcalText("0.1")), 0.1) << "a float, not a double";
    // 21099978.9 lies between the floats 21099978 and 21099980.
    EXPECT_EQ(ParseKcalText("21099978.9"), 21099978.0F);
    EXPECT_EQ(ParseKcalText("-38.0"), -38.0F);
    // As much of a number as the text starts with, after blanks.
    EXPECT_EQ(ParseKcalText("  12.5Kcal"), 12.5F);
    EXPECT_EQ(ParseKcalText("30분"), 30.0F);
    for (const char* none : {"", "Kcal", "분", "-", "."})
        EXPECT_EQ(ParseKcalText(none), 0.0F) << none;
    EXPECT_EQ(ParseKcalText(nullptr), 0.0F);
}

TEST(ExerciseText, EveryLoggedTextReadsBackAsItsOwnNumber)
{
    // One decimal survives the trip through single precision for every value a row can show below
    // 100 000 kcal: the sum a person adds up from the rows is the sum the page shows.
    for (int tenths = 1; tenths < 1000000; tenths += 97) {
        const double kcal = tenths / 10.0;
        EXPECT_EQ(KcalText(ParseKcalText(KcalText(kcal).c_str())), KcalText(kcal)) << kcal;
    }
}

} // namespace
