#include <gtest/gtest.h>

#include <limits>

#include "text/DecimalText.h"

namespace {

TEST(FormatDecimal, FixedNotationRoundedAsPrintfRounds)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {22.491349480968857, 2, "22.49"},
        {0.125, 2, "0.12"}, // exactly halfway in binary: to even
        {3.1500000953674316, 1, "3.2"},
        {1736.6500000953674, 1, "1736.7"},
        {-146.0, 1, "-146.0"},
        {0.0, 1, "0.0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDecimal(c.value, c.decimals), c.text) << c.value;
}

TEST(FormatDecimal, AnyMagnitudeAndNonFiniteValues)
{
    const std::string huge = FormatDecimal(-1e300, 2);
    EXPECT_EQ(huge.size(), 1u + 301u + 3u);
    EXPECT_EQ(huge.substr(0, 3), "-10");
    EXPECT_EQ(FormatDecimal(std::numeric_limits<double>::infinity(), 2), "∞");
    EXPECT_EQ(FormatDecimal(-std::numeric_limits<double>::infinity(), 1), "-∞");
    EXPECT_EQ(FormatDecimal(std::numeric_limits<double>::quiet_NaN(), 1), "NaN");
}

} // namespace
