// Game modes, sort orders and the species roster of the species selector.
#include "roster.h"

#include <stdlib.h>
#include <string.h>

GameMode CurrentMode = IDM_MODE_DP;
SortOrder CurrentSort = IDM_SORT_KANA;
int DeoxysIndex = -1;

static const char DeoxysName[] = "デオキシス";

struct ModeInfo {
    const char *name;
    unsigned lastId; // ids 1 to lastId are listed
    uint16_t deoxys[6];
};

static const ModeInfo Modes[] = {
    {"赤・緑・青・ピカチュウ", 151, {50, 150, 50, 150, 50, 150}},
    {"金・銀・クリスタル", 251, {50, 150, 50, 150, 50, 150}},
    {"ルビー・サファイア", 386, {50, 150, 50, 150, 50, 150}},
    // Each of these games has its own Deoxys form.
    {"エメラルド", 386, {50, 95, 90, 95, 90, 180}},
    {"ファイアレッド", 386, {50, 180, 20, 180, 20, 150}},
    {"リーフグリーン", 386, {50, 70, 160, 70, 160, 90}},
    {"ダイヤモンド・パール", 492, {50, 150, 50, 150, 50, 150}},
};

struct SortInfo {
    const char *name;
    int (*compare)(const void *, const void *);
};

static const SortInfo Sorts[] = {
    {"五十音順", CompareByName},         {"全国図鑑順", CompareByNational},
    {"金銀新型図鑑順", CompareByJohto},  {"ホウエン図鑑順", CompareByHoenn},
    {"シンオウ図鑑順", CompareBySinnoh},
};

bool IsGameMode(unsigned id)
{
    return id >= IDM_MODE_RGBY && id <= IDM_MODE_DP;
}
bool IsSortOrder(unsigned id)
{
    return id >= IDM_SORT_KANA && id <= IDM_SORT_SINNOH;
}
bool IsGen12Mode(GameMode mode)
{
    return mode == IDM_MODE_RGBY || mode == IDM_MODE_GSC;
}

static const ModeInfo *ModeOf(GameMode mode)
{
    return IsGameMode(mode) ? &Modes[mode - IDM_MODE_RGBY] : NULL;
}

const char *GameModeName(GameMode mode)
{
    const ModeInfo *info = ModeOf(mode);
    return info ? info->name : "";
}

const char *SortOrderName(SortOrder order)
{
    return IsSortOrder(order) ? Sorts[order - IDM_SORT_KANA].name : "";
}

bool ModeListsSpecies(GameMode mode, unsigned id)
{
    const ModeInfo *info = ModeOf(mode);
    if (info == NULL || id < 1)
        return false;
    // Diamond/Pearl also offers the extra Deoxys and Wormadam forms (ids 496-500),
    // but not Arceus (493) or the two placeholders.
    if (mode == IDM_MODE_DP && id >= 496 && id <= SPECIES_COUNT)
        return true;
    return id <= info->lastId;
}

// Shift-JIS code order: a lead byte (81-9F, E0-FC) and its trail byte form one
// code; the first differing code decides and a prefix sorts first.
int CompareByName(const void *a, const void *b)
{
    const unsigned char *p = (const unsigned char *)((const SpeciesRecord *)a)->name;
    const unsigned char *q = (const unsigned char *)((const SpeciesRecord *)b)->name;
    for (;;) {
        if (*p == 0 || *q == 0)
            return (*p != 0) - (*q != 0);
        const bool leadP = (*p >= 0x81 && *p <= 0x9F) || (*p >= 0xE0 && *p <= 0xFC);
        const bool leadQ = (*q >= 0x81 && *q <= 0x9F) || (*q >= 0xE0 && *q <= 0xFC);
        unsigned codeP = *p++, codeQ = *q++;
        if (leadP && *p != 0)
            codeP = codeP * 256 + *p++;
        if (leadQ && *q != 0)
            codeQ = codeQ * 256 + *q++;
        if (codeP != codeQ)
            return codeP < codeQ ? -1 : 1;
    }
}

static int CompareNumbers(unsigned x, unsigned y, const void *a, const void *b)
{
    if (x != y)
        return x < y ? -1 : 1;
    const unsigned idA = ((const SpeciesRecord *)a)->id, idB = ((const SpeciesRecord *)b)->id;
    return idA < idB ? -1 : idA > idB ? 1 : 0;
}

#define COMPARE_FIELD(field)                                                                       \
    CompareNumbers(((const SpeciesRecord *)a)->field, ((const SpeciesRecord *)b)->field, a, b)

int CompareByNational(const void *a, const void *b)
{
    return COMPARE_FIELD(nationalNo);
}
int CompareByJohto(const void *a, const void *b)
{
    return COMPARE_FIELD(johtoNo);
}
int CompareByHoenn(const void *a, const void *b)
{
    return COMPARE_FIELD(hoennNo);
}
int CompareBySinnoh(const void *a, const void *b)
{
    return COMPARE_FIELD(sinnohNo);
}

// The regional orders leave out the species that their Pokédex lacks.
static bool OrderListsSpecies(SortOrder order, const SpeciesRecord *rec)
{
    switch (order) {
    case IDM_SORT_JOHTO:
        return rec->johtoNo != 0;
    case IDM_SORT_HOENN:
        return rec->hoennNo != 0;
    case IDM_SORT_SINNOH:
        return rec->sinnohNo != 0;
    default:
        return true;
    }
}

int BuildRoster(GameMode mode, SortOrder order, int listed[SPECIES_COUNT])
{
    if (!IsSortOrder(order))
        return 0;
    qsort(SpeciesTable, SPECIES_COUNT, sizeof SpeciesTable[0],
          Sorts[order - IDM_SORT_KANA].compare);
    int count = 0;
    for (int p = 0; p < SPECIES_COUNT; p++) {
        const SpeciesRecord *rec = &SpeciesTable[p];
        if (strcmp(rec->name, DeoxysName) == 0)
            DeoxysIndex = p;
        if (ModeListsSpecies(mode, rec->id) && OrderListsSpecies(order, rec))
            listed[count++] = p;
    }
    return count;
}

void ApplyDeoxysForm(GameMode mode)
{
    const ModeInfo *info = ModeOf(mode);
    if (DeoxysIndex < 0 || info == NULL)
        return;
    for (int s = STAT_HP; s <= STAT_SPE; s++)
        SpeciesTable[DeoxysIndex].baseStats[s] = info->deoxys[s];
}
