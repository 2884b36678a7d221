#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "body/Bmi.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kMale = 0;
constexpr int kFemale = 1;

TEST(ComputeBmi, WeightOverSquaredMetres)
{
    EXPECT_NEAR(ComputeBmi(170.0, 65.0), 22.4913, 1e-4);
    EXPECT_NEAR(ComputeBmi(160.0, 50.0), 19.53125, 1e-12);
    EXPECT_NEAR(ComputeBmi(165.0, 55.0), 20.2020, 1e-4);
    // These land exactly on class bounds.
    EXPECT_EQ(ComputeBmi(200.0, 74.0), 18.5);
    EXPECT_EQ(ComputeBmi(200.0, 100.0), 25.0);
    EXPECT_EQ(ComputeBmi(100.0, 30.0), 30.0);
    // Only the square of the height counts.
    EXPECT_EQ(ComputeBmi(-170.0, 65.0), ComputeBmi(170.0, 65.0));
}

TEST(ComputeBmi, ZeroHeightIsNotGuarded)
{
    EXPECT_EQ(ComputeBmi(0.0, 60.0), kInf);
    EXPECT_EQ(ComputeBmi(0.0, -60.0), -kInf);
    EXPECT_TRUE(std::isnan(ComputeBmi(0.0, 0.0)));
}

TEST(ClassifyBmi, BoundsBySexWithEqualityInTheHigherClass)
{
    struct Case {
        double bmi;
        BmiOutcome female;
        BmiOutcome male;
    };
    const Case cases[] = {
        {18.49, BmiOutcome::Underweight, BmiOutcome::Underweight},
        {18.5, BmiOutcome::Normal, BmiOutcome::Underweight},
        {19.53125, BmiOutcome::Normal, BmiOutcome::Underweight},
        {19.999, BmiOutcome::Normal, BmiOutcome::Underweight},
        {20.0, BmiOutcome::Normal, BmiOutcome::Normal},
        {24.999, BmiOutcome::Normal, BmiOutcome::Normal},
        {25.0, BmiOutcome::Obese, BmiOutcome::Obese},
        {1e300, BmiOutcome::Obese, BmiOutcome::Obese},
        {kInf, BmiOutcome::Obese, BmiOutcome::Obese},
        {1e-300, BmiOutcome::Underweight, BmiOutcome::Underweight},
        {0.0, BmiOutcome::None, BmiOutcome::None},
        {-0.0, BmiOutcome::None, BmiOutcome::None},
        {-22.0, BmiOutcome::None, BmiOutcome::None},
        {-kInf, BmiOutcome::None, BmiOutcome::None},
        {kNaN, BmiOutcome::None, BmiOutcome::None},
        {-kNaN, BmiOutcome::None, BmiOutcome::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bmi);
        EXPECT_EQ(ClassifyBmi(c.bmi, kFemale), c.female);
        EXPECT_EQ(ClassifyBmi(c.bmi, kMale), c.male);
    }
}

TEST(ClassifyBmi, EverySexIndexButZeroCountsAsFemale)
{
    for (int sex : {1, 2, -1, INT_MAX, INT_MIN})
        EXPECT_EQ(ClassifyBmi(19.0, sex), BmiOutcome::Normal) << sex;
    EXPECT_EQ(ClassifyBmi(19.0, 0), BmiOutcome::Underweight);
}

TEST(BmiSentence, ClassWordIndexToTwoDecimalsAndColour)
{
    struct Case {
        double height;
        double weight;
        int sex;
        const char* sentence;
        ResultColor color;
    };
    const Case cases[] = {
        {170, 65, kFemale, "귀하는 BMI 지수가 22.49 이므로 정상입니다. ", kResultGreen},
        {170, 65, kMale, "귀하는 BMI 지수가 22.49 이므로 정상입니다. ", kResultGreen},
        {160, 50, kFemale, "귀하는 BMI 지수가 19.53 이므로 정상입니다. ", kResultGreen},
        {160, 50, kMale, "귀하는 BMI 지수가 19.53 이므로 저체중입니다. ", kResultRed},
        {200, 74, kFemale, "귀하는 BMI 지수가 18.50 이므로 정상입니다. ", kResultGreen},
        {200, 74, kMale, "귀하는 BMI 지수가 18.50 이므로 저체중입니다. ", kResultRed},
        {200, 100, kFemale, "귀하는 BMI 지수가 25.00 이므로 비만입니다. ", kResultRed},
        {0, 60, kMale, "귀하는 BMI 지수가 ∞ 이므로 비만입니다. ", kResultRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sentence);
        const double bmi = ComputeBmi(c.height, c.weight);
        const BmiOutcome outcome = ClassifyBmi(bmi, c.sex);
        EXPECT_EQ(BmiSentence(outcome, bmi), c.sentence);
        EXPECT_EQ(BmiSentenceColor(outcome), c.color);
    }
    EXPECT_EQ(BmiSentence(BmiOutcome::None, 0.0), "");
}

TEST(ResultColor, RedAndGreenInColorRefLayout)
{
    EXPECT_EQ(kResultRed, 0x000000C0u);
    EXPECT_EQ(kResultGreen, 0x0000C000u);
    EXPECT_EQ(MakeResultColor(1, 2, 3), 0x00030201u);
}

} // namespace
