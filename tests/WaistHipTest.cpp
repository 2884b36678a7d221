#include <gtest/gtest.h>

#include <limits>

#include "body/WaistHip.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kInch = 0;
constexpr int kCm = 1;
constexpr int kMale = 0;
constexpr int kFemale = 1;

TEST(JudgeWaistHip, RatioAgainstTheBoundOfTheSex)
{
    struct Case {
        const char* what;
        double waist;
        int waistUnit;
        double hip;
        int hipUnit;
        WaistHipVerdict female;
        WaistHipVerdict male;
    };
    using V = WaistHipVerdict;
    const Case cases[] = {
        {"30/38 in, 0.789", 30, kInch, 38, kInch, V::Normal, V::Normal},
        {"32/38 in, 0.842", 32, kInch, 38, kInch, V::AbdominalObesity, V::Normal},
        {"36/38 in, 0.947", 36, kInch, 38, kInch, V::AbdominalObesity, V::Normal},
        {"80/100 cm, exactly 0.8", 80, kCm, 100, kCm, V::AbdominalObesity, V::Normal},
        {"79.9/100 cm", 79.9, kCm, 100, kCm, V::Normal, V::Normal},
        {"100/100 cm, exactly 1.0", 100, kCm, 100, kCm, V::AbdominalObesity, V::AbdominalObesity},
        {"80 cm / 38 in (96.52 cm), 0.829", 80, kCm, 38, kInch, V::AbdominalObesity, V::Normal},
        {"38 in / 96.52 cm, exactly 1.0", 38, kInch, 96.52, kCm, V::AbdominalObesity, V::AbdominalObesity},
        {"unit indexes other than 0 are centimetres", 80, 7, 100, -1, V::AbdominalObesity, V::Normal},
        {"waist 0", 0, kCm, 90, kCm, V::Normal, V::Normal},
        {"negative waist", -50, kCm, 90, kCm, V::Normal, V::Normal},
        {"waist not a number", kNaN, kCm, 90, kCm, V::Normal, V::Normal},
        {"both infinite: ratio not a number", kInf, kCm, kInf, kCm, V::Normal, V::Normal},
        {"infinite waist", kInf, kCm, 90, kCm, V::AbdominalObesity, V::AbdominalObesity},
        {"infinite hip", 80, kCm, kInf, kCm, V::Normal, V::Normal},
        {"hip overflows to infinity in inches", 80, kCm, 1e308, kInch, V::Normal, V::Normal},
        {"hip 0", 80, kCm, 0, kCm, V::NoInput, V::NoInput},
        {"negative hip", 80, kCm, -90, kCm, V::NoInput, V::NoInput},
        {"hip not a number", 80, kCm, kNaN, kCm, V::NoInput, V::NoInput},
        {"hip -inf", 80, kCm, -kInf, kCm, V::NoInput, V::NoInput},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(JudgeWaistHip(c.waist, c.waistUnit, c.hip, c.hipUnit, kFemale), c.female);
        EXPECT_EQ(JudgeWaistHip(c.waist, c.waistUnit, c.hip, c.hipUnit, 2), c.female);
        EXPECT_EQ(JudgeWaistHip(c.waist, c.waistUnit, c.hip, c.hipUnit, kMale), c.male);
    }
}

TEST(WaistHipSentence, VerdictTextAndColour)
{
    EXPECT_EQ(WaistHipSentence(WaistHipVerdict::Normal), "정상입니다. ");
    EXPECT_EQ(WaistHipSentenceColor(WaistHipVerdict::Normal), kResultGreen);
    EXPECT_EQ(WaistHipSentence(WaistHipVerdict::AbdominalObesity), "복부비만 입니다.");
    EXPECT_EQ(WaistHipSentenceColor(WaistHipVerdict::AbdominalObesity), kResultRed);
    EXPECT_EQ(WaistHipSentence(WaistHipVerdict::NoInput), "");
}

} // namespace
