// Fuzz target: reading typed numbers, checked against strtoll clamped to 32 bits
// (the same rule: white space, sign, decimal digits, saturation).
#include <errno.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "engine/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The reader takes NUL-terminated text; an embedded NUL ends it.
    char *text = (char *)malloc(size + 1);
    if (text == NULL)
        return 0;
    memcpy(text, data, size);
    text[size] = 0;

    const int32_t value = ReadNumberText(text);
    long long expected = strtoll(text, NULL, 10);
    if (expected > INT32_MAX)
        expected = INT32_MAX;
    if (expected < INT32_MIN)
        expected = INT32_MIN;
    if (value != expected)
        __builtin_trap();
    free(text);
    return 0;
}
