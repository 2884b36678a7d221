#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <string>

#include "food/FoodTally.h"

namespace {

// Box entries of the dishes used below.
constexpr int kRice[] = {1, 7};               // 쌀밥 311
constexpr int kOxFootSoup[] = {2, 17};        // 우족탕 569
constexpr int kChocoDigestive[] = {14, 33};   // 초코다이제스티브 936
constexpr int kBlackCoffee[] = {16, 8};       // 블랙커피 6.3

// Portion entries.
constexpr int kHalf = 5, kOne = 10, kOneAndHalf = 15, kTwoAndHalf = 21, kThree = 22;

TEST(FoodTally, StartsAtZero)
{
    const CFoodTally tally;
    for (int row = 1; row <= 16; ++row)
        EXPECT_EQ(FormatRowKcal(tally.RowKcal(row)), "0.0 Kcal") << row;
    EXPECT_EQ(FormatTotalKcal(tally.Total()), "당신이 체크한 총 칼로리는 0.0 Kcal 입니다.");
}

// A row holds a 32-bit float, so what is shown is the float's rounding, not the exact product's.
TEST(FoodTally, RowValueIsTheFloatOfFactorTimesCalories)
{
    struct Case {
        const int* dish;
        int portion;
        float stored;
        const char* shown;
    };
    const Case cases[] = {
        {kRice, kOne, 311.0f, "311.0 Kcal"},
        {kRice, 3, 93.3f, "93.3 Kcal"},
        {kRice, kTwoAndHalf, 777.5f, "777.5 Kcal"},
        {kRice, kThree, 933.0f, "933.0 Kcal"},
        {kRice, 0, 0.0f, "0.0 Kcal"},
        {kBlackCoffee, kOne, 6.3f, "6.3 Kcal"},
        {kBlackCoffee, kHalf, 3.1500001f, "3.2 Kcal"},
        {kBlackCoffee, kOneAndHalf, 9.4500008f, "9.5 Kcal"},
        {kChocoDigestive, kThree, 2808.0f, "2808.0 Kcal"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        CFoodTally tally;
        ASSERT_TRUE(tally.Select(c.dish[0], c.dish[1], c.portion));
        EXPECT_EQ(tally.RowKcal(c.dish[0]), c.stored);
        EXPECT_EQ(FormatRowKcal(tally.RowKcal(c.dish[0])), c.shown);
        EXPECT_EQ(tally.Total(), static_cast<double>(c.stored));
    }
}

TEST(FoodTally, LargestRowIsChocoDigestiveAtThreePortions)
{
    const CFoodCatalogue catalogue;
    float largest = 0.0f;
    for (int row = 1; row <= 16; ++row) {
        for (int entry = 1; entry <= catalogue.DishCount(row); ++entry) {
            CFoodTally tally;
            ASSERT_TRUE(tally.Select(row, entry, kThree));
            largest = std::max(largest, tally.RowKcal(row));
        }
    }
    EXPECT_EQ(largest, 2808.0f);
}

TEST(FoodTally, TotalAddsRowsInDouble)
{
    CFoodTally tally;
    ASSERT_TRUE(tally.Select(kRice[0], kRice[1], kOne));
    ASSERT_TRUE(tally.Select(kOxFootSoup[0], kOxFootSoup[1], kTwoAndHalf));
    ASSERT_TRUE(tally.Select(kBlackCoffee[0], kBlackCoffee[1], kHalf));
    EXPECT_NEAR(tally.Total(), 1736.6500001, 1e-7);
    EXPECT_EQ(FormatTotalKcal(tally.Total()), "당신이 체크한 총 칼로리는 1736.7 Kcal 입니다.");

    // Choosing again in a row replaces that row's value; the others stay.
    ASSERT_TRUE(tally.Select(kRice[0], kRice[1], kThree));
    EXPECT_EQ(tally.RowKcal(kRice[0]), 933.0f);
    EXPECT_NEAR(tally.Total(), 2358.6500001, 1e-7);
}

TEST(FoodTally, RefusedChoicesChangeNothing)
{
    CFoodTally tally;
    ASSERT_TRUE(tally.Select(kRice[0], kRice[1], kOne));
    ASSERT_TRUE(tally.Select(kBlackCoffee[0], kBlackCoffee[1], kOne));
    const double total = tally.Total();

    struct Case {
        const char* what;
        int row;
        int dish;
        int portion;
    };
    const Case refused[] = {
        {"dish box back on :::선택하세요:::", kRice[0], 0, kOne},
        {"portion changed while no dish is chosen", kRice[0], 0, kThree},
        {"dish box without selection", kRice[0], -1, kOne},
        {"dish beyond the row's list", kRice[0], 26, kOne},
        {"dish far beyond", kRice[0], INT_MAX, kOne},
        {"portion box without selection", kRice[0], kRice[1], -1},
        {"portion beyond the list", kRice[0], kRice[1], 23},
        {"row 0", 0, 1, kOne},
        {"row 17", 17, 1, kOne},
        {"negative row", INT_MIN, 1, kOne},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(tally.Select(c.row, c.dish, c.portion));
        EXPECT_EQ(tally.RowKcal(kRice[0]), 311.0f);
        EXPECT_EQ(tally.RowKcal(kBlackCoffee[0]), 6.3f);
        EXPECT_EQ(tally.Total(), total);
    }
}

TEST(FoodTally, ResetClearsEveryRow)
{
    CFoodTally tally;
    const CFoodCatalogue catalogue;
    for (int row = 1; row <= 16; ++row)
        ASSERT_TRUE(tally.Select(row, catalogue.DishCount(row), kOne));
    ASSERT_GT(tally.Total(), 0.0);
    tally.Reset();
    for (int row = 1; row <= 16; ++row)
        EXPECT_EQ(tally.RowKcal(row), 0.0f) << row;
    EXPECT_EQ(tally.Total(), 0.0);
}

TEST(FoodTally, RowOutsideTheTableReadsZero)
{
    CFoodTally tally;
    ASSERT_TRUE(tally.Select(16, kBlackCoffee[1], kOne));
    for (int row : {0, 17, -1, INT_MAX})
        EXPECT_EQ(tally.RowKcal(row), 0.0f) << row;
}

TEST(FoodTallyText, ExtremeValuesAreWrittenInFull)
{
    const std::string largest = FormatRowKcal(FLT_MAX);
    EXPECT_EQ(largest.substr(0, 4), "3402");
    EXPECT_EQ(largest.substr(largest.size() - 7), ".0 Kcal");
    EXPECT_EQ(largest.size(), 39u + 2u + 5u);
}

} // namespace
