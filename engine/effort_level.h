// Effort level of the first two generations from a stat's stat experience.
#ifndef VARENDO_ENGINE_EFFORT_LEVEL_H
#define VARENDO_ENGINE_EFFORT_LEVEL_H

#include <stdint.h>

// The games add ceil(sqrt(statExp)) / 4 to the stat formula, at most 63
// (0 for no experience). Used by the effort tool window and varendo-calc.
uint16_t EffortLevelFromStatExp(uint16_t statExp);

#endif
