#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "food/FoodCatalogue.h"

namespace {

struct CategoryCase {
    int row;
    const char* label;
    int dishBoxId;
    int portionBoxId;
    int dishCount;
};

constexpr CategoryCase kCategories[] = {
    {1, "밥, 죽", 1001, 1017, 25},         {2, "국, 탕", 1002, 1019, 21},
    {3, "찌개", 1003, 1021, 16},           {4, "면류, 라면", 1004, 1023, 22},
    {5, "김치", 1005, 1025, 14},           {6, "조림", 1006, 1027, 17},
    {7, "찜, 전골", 1007, 1029, 17},       {8, "나물, 무침", 1008, 1031, 32},
    {9, "구이", 1009, 1033, 22},           {10, "적류, 전류", 1010, 1035, 9},
    {11, "볶음", 1011, 1037, 27},          {12, "튀김", 1012, 1039, 9},
    {13, "빵류, 햄버거", 1013, 1041, 43},  {14, "과자류", 1014, 1043, 35},
    {15, "과일", 1015, 1047, 23},          {16, "음료수", 1016, 1049, 20},
};

const CFoodCatalogue kCatalogue;

TEST(FoodCatalogue, CategoriesInPageOrderWithTheirBoxesAndDishCounts)
{
    for (const CategoryCase& c : kCategories) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(kCatalogue.CategoryLabel(c.row), c.label);
        EXPECT_EQ(kCatalogue.DishBoxId(c.row), c.dishBoxId);
        EXPECT_EQ(kCatalogue.PortionBoxId(c.row), c.portionBoxId);
        EXPECT_EQ(kCatalogue.DishCount(c.row), c.dishCount);
        EXPECT_EQ(kCatalogue.DishEntries(c.row).size(), static_cast<std::size_t>(c.dishCount) + 1);
    }
}

TEST(FoodCatalogue, HoldsThreeHundredFiftyTwoDistinctDishes)
{
    std::set<std::string> names;
    int dishes = 0;
    for (int row = 1; row <= 16; ++row) {
        const auto entries = kCatalogue.DishEntries(row);
        ASSERT_FALSE(entries.empty());
        EXPECT_EQ(entries.front(), ":::선택하세요:::") << row;
        dishes += static_cast<int>(entries.size()) - 1;
        names.insert(entries.begin() + 1, entries.end());
    }
    EXPECT_EQ(dishes, 352);
    EXPECT_EQ(names.size(), 352u);
}

TEST(FoodCatalogue, CaloriesSumAndOnlyBlackCoffeeIsFractional)
{
    double sum = 0.0;
    std::set<std::string> fractional;
    for (int row = 1; row <= 16; ++row) {
        const auto entries = kCatalogue.DishEntries(row);
        for (int entry = 1; entry <= kCatalogue.DishCount(row); ++entry) {
            const float kcal = kCatalogue.DishKcal(row, entry);
            EXPECT_GT(kcal, 0.0f) << entries[static_cast<std::size_t>(entry)];
            sum += static_cast<double>(kcal);
            if (kcal != static_cast<float>(static_cast<int>(kcal)))
                fractional.insert(entries[static_cast<std::size_t>(entry)]);
        }
    }
    EXPECT_NEAR(sum, 70822.3, 1e-4);
    EXPECT_EQ(fractional, std::set<std::string>{"블랙커피"});
}

// Names and calories are parallel lists: a shift by one in any row shows at its ends.
TEST(FoodCatalogue, DishEntriesMatchTheirCalories)
{
    struct Dish {
        int row;
        int entry;
        const char* name;
        float kcal;
    };
    constexpr Dish kDishes[] = {
        {1, 1, "강남콩밥", 351.0f},          {1, 7, "쌀밥", 311.0f},
        {1, 25, "흰죽", 231.0f},             {2, 17, "우족탕", 569.0f},
        {4, 8, "미트소스 스파게티", 584.0f}, {9, 7, "김구이", 14.0f},
        {13, 43, "후렌치토스트", 326.0f},    {14, 1, "ABC초콜렛(1봉)", 517.0f},
        {14, 33, "초코다이제스티브", 936.0f}, {16, 8, "블랙커피", 6.3f},
        {16, 14, "원두커피", 3.0f},          {16, 20, "환타", 43.0f},
    };
    for (const Dish& d : kDishes) {
        SCOPED_TRACE(d.name);
        EXPECT_EQ(kCatalogue.DishEntries(d.row)[static_cast<std::size_t>(d.entry)], d.name);
        EXPECT_EQ(kCatalogue.DishKcal(d.row, d.entry), d.kcal);
    }
}

TEST(FoodCatalogue, PortionEntriesAndFactors)
{
    const std::vector<std::string> expected{"0",   "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7",
                                            "0.8", "0.9", "1",   "1.1", "1.2", "1.3", "1.4", "1.5",
                                            "1.6", "1.7", "1.8", "1.9", "2",   "2.5", "3"};
    ASSERT_EQ(kCatalogue.PortionEntries(), expected);
    for (int entry = 0; entry < 23; ++entry)
        EXPECT_NEAR(kCatalogue.PortionFactor(entry), std::stod(expected[static_cast<std::size_t>(entry)]), 1e-15);
    // The factor is the double product k × 0.1, which for "0.3" lies one step above 0.3.
    EXPECT_EQ(kCatalogue.PortionFactor(3), 0.30000000000000004);
    EXPECT_EQ(kCatalogue.PortionFactor(15), 1.5);
    EXPECT_EQ(kCatalogue.PortionFactor(21), 2.5);
    EXPECT_EQ(kCatalogue.PortionFactor(22), 3.0);
}

TEST(FoodCatalogue, OutOfRangeLookupsGiveEmptyAnswers)
{
    for (int row : {0, 17, -1, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(row);
        EXPECT_TRUE(kCatalogue.CategoryLabel(row).empty());
        EXPECT_EQ(kCatalogue.DishBoxId(row), 0);
        EXPECT_EQ(kCatalogue.PortionBoxId(row), 0);
        EXPECT_EQ(kCatalogue.DishCount(row), 0);
        EXPECT_TRUE(kCatalogue.DishEntries(row).empty());
        EXPECT_EQ(kCatalogue.DishKcal(row, 1), 0.0f);
    }
    for (int entry : {0, -1, 26, INT_MIN, INT_MAX})
        EXPECT_EQ(kCatalogue.DishKcal(1, entry), 0.0f) << entry;
    for (int entry : {-1, 23, INT_MIN, INT_MAX})
        EXPECT_EQ(kCatalogue.PortionFactor(entry), 0.0) << entry;
}

} // namespace
