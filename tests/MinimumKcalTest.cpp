#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <limits>

#include "body/MinimumKcal.h"

namespace {

constexpr int kMale = 0;
constexpr int kFemale = 1;

TEST(MinimumKcal, FormulaBySexAsShown)
{
    struct Case {
        int sex;
        double height;
        double weight;
        int age;
        const char* sentence;
    };
    const Case cases[] = {
        {kFemale, 165, 55, 30, "섭취해야 할 최소칼로리는 1096.1Kcal 입니다."},
        {kMale, 175, 70, 30, "섭취해야 할 최소칼로리는 1349.0Kcal 입니다."},
        {kFemale, 200, 74, 30, "섭취해야 할 최소칼로리는 1223.5Kcal 입니다."},
        {kMale, 200, 74, 30, "섭취해야 할 최소칼로리는 1648.0Kcal 입니다."},
        {kMale, 100, 30, 80, "섭취해야 할 최소칼로리는 -146.0Kcal 입니다."},
        {2, 165, 55, 30, "섭취해야 할 최소칼로리는 1096.1Kcal 입니다."},
        {-1, 165, 55, 30, "섭취해야 할 최소칼로리는 1096.1Kcal 입니다."},
        {kMale, 0, std::numeric_limits<double>::infinity(), 30, "섭취해야 할 최소칼로리는 ∞Kcal 입니다."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sentence);
        EXPECT_EQ(MinimumKcalSentence(MinimumKcal(c.sex, c.height, c.weight, c.age)), c.sentence);
    }
    EXPECT_NEAR(MinimumKcal(kFemale, 200, 74, 30), 1223.52, 1e-9);
}

// The age term 3 × age is exact for every 32-bit age, where a 32-bit product would wrap.
TEST(MinimumKcal, AgeTermNeverOverflows)
{
    for (int age : {0, 1, 30, -5, 715827882, 715827883, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(age);
        EXPECT_EQ(MinimumKcal(kFemale, 0, 0, age), 844.0 - 3.0 * static_cast<double>(age));
        EXPECT_EQ(MinimumKcal(kMale, 0, 0, age), -static_cast<double>(age) * 5.8 - 1032.0);
    }
    EXPECT_EQ(MinimumKcal(kFemale, 0, 0, INT_MAX), -6442450097.0);
}

} // namespace
