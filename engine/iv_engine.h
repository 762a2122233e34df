// Individual-value engine: observations, ranges, the three calculators and hidden power.
#ifndef VARENDO_ENGINE_IV_ENGINE_H
#define VARENDO_ENGINE_IV_ENGINE_H

#include <stdint.h>

#include "../data/pokemon.h"

struct Observation {
    uint8_t level;
    uint16_t stats[STAT_SLOT_COUNT];
    uint16_t efforts[STAT_SLOT_COUNT];
};

struct StatRange {
    int32_t valid;
    uint8_t max;
    uint8_t min;
};

struct HiddenPower {
    char typeName[9];
    uint8_t power;
};

struct IvResult {
    StatRange ranges[STAT_SLOT_COUNT];
    int32_t determined;
    HiddenPower hiddenPower;
};

extern const char HiddenPowerTypeNames[16][9];

// One stat formula of one generation, bound to one observation.
enum StatFormulaKind {
    FORMULA_GEN34_HP,
    FORMULA_GEN34_OTHER, // nature-adjusted
    FORMULA_GEN12_HP,
    FORMULA_GEN12_OTHER
};

struct StatFormula {
    StatFormulaKind kind;
    int32_t level;
    int32_t base;
    int32_t effort;    // effort value (3rd/4th generation) or effort level (1st/2nd)
    double multiplier; // nature multiplier, FORMULA_GEN34_OTHER only
};

// The displayed stat that candidate individual value k gives.
int32_t EvaluateStatFormula(const StatFormula *formula, int32_t k);

// Narrows one stat's range to the candidates whose formula value matches the
// observed value. A range that has once failed stays failed.
void NarrowStatRange(StatRange *range, uint16_t observed, const StatFormula *formula);

// Both read only the `min` of the slots they use and write only hiddenPower.
int HiddenPowerGen2(IvResult *result);
int HiddenPowerGen34(IvResult *result);

// Return 0 when the calculation ran, -1 for an unknown species, -2 (CalcIvGen34
// only) for an unknown nature; on -1 and -2 `result` is left untouched.
int CalcIvGen34(IvResult *result, const char *speciesName, const char *natureName,
                const Observation *observations, int32_t count);
int CalcIvGen1(IvResult *result, const char *speciesName, const Observation *observations,
               int32_t count);
int CalcIvGen2(IvResult *result, const char *speciesName, const Observation *observations,
               int32_t count);

#endif
