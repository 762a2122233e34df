// Reading of numbers typed by the user.
#include "number_text.h"

int32_t ReadNumberText(const char *text)
{
    if (text == 0)
        return 0;
    const char *p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f')
        p++;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        p++;
    }
    // Accumulate in 64 bits and stop growing once past the 32-bit range, so a
    // text of hundreds of digits cannot overflow.
    const int64_t limit = negative ? -(int64_t)INT32_MIN : (int64_t)INT32_MAX;
    int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; p++) {
        if (value < limit) {
            value = value * 10 + (*p - '0');
            if (value > limit)
                value = limit;
        }
    }
    return (int32_t)(negative ? -value : value);
}
