// Effort level of the first two generations from a stat's stat experience.
#include "effort_level.h"

#include <math.h>

uint16_t EffortLevelFromStatExp(uint16_t statExp)
{
    // ceil(sqrt(x)) is floor(sqrt(x - 1)) + 1 for x >= 1; zero experience
    // counts like one. Every t below 65535 is exact in a double, and its
    // square root truncates to the integer square root.
    const int32_t t = (statExp == 0 ? 1 : statExp) - 1;
    const int32_t s = (int32_t)sqrt((double)t);
    const int32_t level = (s + 1) >> 2;
    // From 65026 on the uncapped value would be 64, one more than the
    // formula can take.
    return (uint16_t)(level > 63 ? 63 : level);
}
