// Delta debugging of the monkey's failing runs: the list it ends with still fails, no single step of it can
// go, the steps keep their order, and the steps handed to the tries stay within the budget.

#include "Shrink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

std::vector<int> Steps(int count)
{
    std::vector<int> steps(static_cast<std::size_t>(count));
    std::iota(steps.begin(), steps.end(), 0);
    return steps;
}

// Fails when `first` comes somewhere before `second`, as a fault that needs two steps in this order.
std::function<bool(const std::vector<int>&)> NeedsInOrder(int first, int second)
{
    return [first, second](const std::vector<int>& steps) {
        const auto a = std::find(steps.begin(), steps.end(), first);
        return a != steps.end() && std::find(a, steps.end(), second) != steps.end();
    };
}

TEST(Shrink, EndsWithOnlyTheStepsThatTheFailureNeedsInTheirOrder)
{
    for (const auto& [first, second] : {std::pair{3, 7}, std::pair{0, 999}, std::pair{500, 501}, std::pair{998, 999}}) {
        const ShrinkResult<int> result = ShrinkFailingList<int>(Steps(1000), NeedsInOrder(first, second), 100000);
        EXPECT_EQ(result.items, (std::vector<int>{first, second}));
        EXPECT_FALSE(result.budgetSpent);
        EXPECT_LT(result.tries, 200) << "a pair among a thousand steps takes a few dozen tries";
    }
}

TEST(Shrink, NoSingleStepOfTheResultCanGo)
{
    // Fails when at least three of the multiples of 50 are there: any three will do.
    const auto fails = [](const std::vector<int>& steps) {
        return std::count_if(steps.begin(), steps.end(), [](int s) { return s % 50 == 0; }) >= 3;
    };
    const ShrinkResult<int> result = ShrinkFailingList<int>(Steps(600), fails, 100000);
    ASSERT_TRUE(fails(result.items));
    EXPECT_EQ(result.items.size(), 3u);
    EXPECT_TRUE(std::is_sorted(result.items.begin(), result.items.end()));
}

TEST(Shrink, StopsWhenTheBudgetIsSpentWithAListThatStillFails)
{
    std::size_t handed = 0;
    const auto fails = [&handed](const std::vector<int>& steps) {
        handed += steps.size();
        return NeedsInOrder(10, 400)(steps);
    };
    const ShrinkResult<int> result = ShrinkFailingList<int>(Steps(1000), fails, 2500);
    EXPECT_TRUE(result.budgetSpent);
    EXPECT_EQ(result.itemsTried, handed);
    EXPECT_LE(handed, 2500u);
    EXPECT_GT(handed, 2000u) << "the budget is used, not given up early";
    EXPECT_TRUE(NeedsInOrder(10, 400)(result.items));
    EXPECT_LT(result.items.size(), 1000u);
}

TEST(Shrink, ASingleStepStaysAsItIs)
{
    const ShrinkResult<int> result = ShrinkFailingList<int>({42}, [](const std::vector<int>&) { return true; }, 10);
    EXPECT_EQ(result.items, std::vector<int>{42});
    EXPECT_EQ(result.tries, 0);
}

} // namespace
