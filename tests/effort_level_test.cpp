// Stat experience to effort level: the documented table and the definition.
#include <gtest/gtest.h>
#include <math.h>

#include "engine/effort_level.h"

namespace
{

TEST(EffortLevel, ConversionTable)
{
    static const struct {
        uint16_t statExp;
        uint16_t level;
    } cases[] = {
        {0, 0},   {1, 0},      {9, 0},      {10, 1},     {49, 1},     {50, 2},     {121, 2},
        {122, 3}, {10000, 25}, {63001, 62}, {63002, 63}, {65025, 63}, {65026, 63}, {65535, 63},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.level, EffortLevelFromStatExp(c.statExp)) << c.statExp;
}

// Every input against the plain definition: the smallest s with s * s >= x,
// divided by 4, capped at 63.
TEST(EffortLevel, EveryStatExperienceMatchesCeilingSquareRootOverFour)
{
    for (uint32_t x = 0; x <= 65535; x++) {
        uint32_t s = 0;
        while (s * s < x)
            s++;
        const uint32_t expected = s / 4 > 63 ? 63 : s / 4;
        ASSERT_EQ(expected, EffortLevelFromStatExp((uint16_t)x)) << x;
    }
}

} // namespace
