// Reading of numbers typed by the user.
#ifndef VARENDO_ENGINE_NUMBER_TEXT_H
#define VARENDO_ENGINE_NUMBER_TEXT_H

#include <stdint.h>

// Optional leading white space, an optional sign, then decimal digits up to
// the first other character; a text without digits reads 0. Values beyond
// the 32-bit range saturate at INT32_MAX / INT32_MIN, however many digits follow.
int32_t ReadNumberText(const char *text);

#endif
