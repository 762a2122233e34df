// The narrowing search, the three generation calculators and the hidden power formulas.
#include "iv_engine.h"

#include <string.h>

#include "../data/nature.h"
#include "../data/pokemon.h"

const char HiddenPowerTypeNames[16][9] = {
    "かくとう", "ひこう", "どく", "じめん", "いわ",     "むし",   "ゴースト", "はがね",
    "ほのお",   "みず",   "くさ", "でんき", "エスパー", "こおり", "ドラゴン", "あく",
};

// The species whose HP is always 1, whatever its individual value.
static const char ShedinjaName[] = "ヌケニン";

int32_t EvaluateStatFormula(const StatFormula *f, int32_t k)
{
    const int32_t L = f->level, B = f->base, E = f->effort;
    switch (f->kind) {
    case FORMULA_GEN34_HP:
        return (L * (2 * B + k + E / 4)) / 100 + L + 10;
    case FORMULA_GEN34_OTHER: {
        // The game keeps the pre-nature value in 16 bits before the nature
        // multiplier; the product is truncated toward zero.
        const int32_t pre = (int32_t)(uint16_t)((L * (2 * B + k + E / 4)) / 100) + 5;
        return (int32_t)((double)pre * f->multiplier);
    }
    case FORMULA_GEN12_HP:
        return (L * (2 * (B + k) + E)) / 100 + L + 10;
    case FORMULA_GEN12_OTHER:
        return (L * (2 * (B + k) + E)) / 100 + 5;
    }
    return 0;
}

void NarrowStatRange(StatRange *range, uint16_t observed, const StatFormula *formula)
{
    if (range->valid != 1)
        return;
    range->valid = 0;
    int lastMatch = -1;
    for (int k = range->min; k <= range->max; k++) {
        // The games store stats in 16 bits, so only the low 16 bits are compared.
        const uint16_t value = (uint16_t)EvaluateStatFormula(formula, k);
        if (value == observed) {
            if (range->valid == 0) {
                range->min = (uint8_t)k;
                range->valid = 1;
            }
            lastMatch = k;
        } else if (value > observed) {
            break;
        }
    }
    if (range->valid == 1)
        range->max = (uint8_t)lastMatch;
}

static void SetTypeName(IvResult *result, int typeNumber)
{
    memcpy(result->hiddenPower.typeName, HiddenPowerTypeNames[typeNumber],
           sizeof result->hiddenPower.typeName);
}

int HiddenPowerGen2(IvResult *result)
{
    const int a = result->ranges[STAT_ATK].min;
    const int d = result->ranges[STAT_DEF].min;
    const int s = result->ranges[STAT_SPE].min;
    const int c = result->ranges[STAT_SPC].min;
    SetTypeName(result, 4 * (a % 4) + (d % 4));
    const int x = (a >= 8 ? 8 : 0) + (d >= 8 ? 4 : 0) + (s >= 8 ? 2 : 0) + (c >= 8 ? 1 : 0);
    result->hiddenPower.power = (uint8_t)((5 * x + (c % 4)) / 2 + 31);
    return 1;
}

int HiddenPowerGen34(IvResult *result)
{
    // Speed weighs 8, ahead of Sp. Atk and Sp. Def, unlike the slot order.
    static const int order[6] = {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPE, STAT_SPA, STAT_SPD};
    int t = 0, p = 0;
    for (int i = 0; i < 6; i++) {
        const int value = result->ranges[order[i]].min;
        if (value & 1)
            t += 1 << i;
        if (value & 2)
            p += 1 << i;
    }
    SetTypeName(result, t * 15 / 63);
    result->hiddenPower.power = (uint8_t)(p * 40 / 63 + 30);
    return 1;
}

static void InitResult(IvResult *result, uint8_t maxValue, const bool used[STAT_SLOT_COUNT])
{
    memset(result, 0, sizeof *result);
    for (int s = 0; s < STAT_SLOT_COUNT; s++) {
        result->ranges[s].valid = used[s] ? 1 : 0;
        result->ranges[s].max = maxValue;
        result->ranges[s].min = 0;
    }
}

// Determined when every slot the generation uses is valid and pinned.
static bool IsDetermined(const IvResult *result, const bool used[STAT_SLOT_COUNT])
{
    for (int s = 0; s < STAT_SLOT_COUNT; s++) {
        if (!used[s])
            continue;
        const StatRange *r = &result->ranges[s];
        if (r->valid == 0 || r->min != r->max)
            return false;
    }
    return true;
}

static void Narrow(IvResult *result, int slot, uint16_t observed, StatFormulaKind kind, int level,
                   int base, int effort, double multiplier)
{
    const StatFormula formula = {kind, level, base, effort, multiplier};
    NarrowStatRange(&result->ranges[slot], observed, &formula);
}

static const bool Gen34Slots[STAT_SLOT_COUNT] = {true, true, true, true, true, true, false};
static const bool Gen12Slots[STAT_SLOT_COUNT] = {true, true, true, false, false, true, true};

int CalcIvGen34(IvResult *result, const char *speciesName, const char *natureName,
                const Observation *observations, int32_t count)
{
    const int speciesPos = FindSpeciesByName(speciesName);
    if (speciesPos < 0)
        return -1;
    const int naturePos = FindNatureByName(natureName);
    if (naturePos < 0)
        return -2;
    const SpeciesRecord *species = &SpeciesTable[speciesPos];
    const NatureRecord *nature = &NatureTable[naturePos];
    const bool shedinja = strcmp(species->name, ShedinjaName) == 0;

    InitResult(result, 31, Gen34Slots);
    for (int32_t i = 0; i < count; i++) {
        const Observation *obs = &observations[i];
        StatRange *hp = &result->ranges[STAT_HP];
        if (shedinja) {
            // Shedinja's HP is always 1: it says nothing about the value.
            if (hp->valid == 1 && obs->stats[STAT_HP] != 1)
                hp->valid = 0;
        } else {
            Narrow(result, STAT_HP, obs->stats[STAT_HP], FORMULA_GEN34_HP, obs->level,
                   species->baseStats[STAT_HP], obs->efforts[STAT_HP], 1.0);
        }
        for (int s = STAT_ATK; s <= STAT_SPE; s++)
            Narrow(result, s, obs->stats[s], FORMULA_GEN34_OTHER, obs->level, species->baseStats[s],
                   obs->efforts[s], nature->multipliers[s]);
    }
    if (IsDetermined(result, Gen34Slots)) {
        result->determined = 1;
        HiddenPowerGen34(result);
    }
    return 0;
}

static void CompleteGen12(IvResult *result)
{
    if (IsDetermined(result, Gen12Slots)) {
        result->determined = 1;
        HiddenPowerGen2(result);
    }
}

int CalcIvGen1(IvResult *result, const char *speciesName, const Observation *observations,
               int32_t count)
{
    const int speciesPos = FindSpeciesByName(speciesName);
    if (speciesPos < 0)
        return -1;
    const uint16_t *base = SpeciesTable[speciesPos].baseStats;

    InitResult(result, 15, Gen12Slots);
    static const int order[5] = {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPE, STAT_SPC};
    for (int32_t i = 0; i < count; i++) {
        const Observation *obs = &observations[i];
        for (int j = 0; j < 5; j++) {
            const int s = order[j];
            Narrow(result, s, obs->stats[s], s == STAT_HP ? FORMULA_GEN12_HP : FORMULA_GEN12_OTHER,
                   obs->level, base[s], obs->efforts[s], 1.0);
        }
    }
    CompleteGen12(result);
    return 0;
}

int CalcIvGen2(IvResult *result, const char *speciesName, const Observation *observations,
               int32_t count)
{
    const int speciesPos = FindSpeciesByName(speciesName);
    if (speciesPos < 0)
        return -1;
    const uint16_t *base = SpeciesTable[speciesPos].baseStats;

    InitResult(result, 15, Gen12Slots);
    for (int32_t i = 0; i < count; i++) {
        const Observation *obs = &observations[i];
        const int level = obs->level;
        Narrow(result, STAT_HP, obs->stats[STAT_HP], FORMULA_GEN12_HP, level, base[STAT_HP],
               obs->efforts[STAT_HP], 1.0);
        Narrow(result, STAT_ATK, obs->stats[STAT_ATK], FORMULA_GEN12_OTHER, level, base[STAT_ATK],
               obs->efforts[STAT_ATK], 1.0);
        Narrow(result, STAT_DEF, obs->stats[STAT_DEF], FORMULA_GEN12_OTHER, level, base[STAT_DEF],
               obs->efforts[STAT_DEF], 1.0);
        // One Special value shows as both Sp. Atk and Sp. Def, with the one
        // Special effort level kept in the Sp. Atk entry.
        Narrow(result, STAT_SPC, obs->stats[STAT_SPA], FORMULA_GEN12_OTHER, level, base[STAT_SPA],
               obs->efforts[STAT_SPA], 1.0);
        Narrow(result, STAT_SPC, obs->stats[STAT_SPD], FORMULA_GEN12_OTHER, level, base[STAT_SPD],
               obs->efforts[STAT_SPA], 1.0);
        Narrow(result, STAT_SPE, obs->stats[STAT_SPE], FORMULA_GEN12_OTHER, level, base[STAT_SPE],
               obs->efforts[STAT_SPE], 1.0);
    }
    CompleteGen12(result);
    return 0;
}
