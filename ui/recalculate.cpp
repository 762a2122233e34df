// Recalculation of the result fields from the observation list and the two names.
#include "recalculate.h"

#include <commctrl.h>

#include "../data/nature.h"
#include "../data/roster.h"
#include "../engine/iv_engine.h"
#include "../engine/number_text.h"
#include "../resources/resource.h"
#include "input_assist.h"
#include "observation_list.h"

// The result field of each stat, in StatSlot order.
static const int StatFields[STAT_SLOT_COUNT] = {IDC_IV_HP,  IDC_IV_ATK, IDC_IV_DEF, IDC_IV_SPA,
                                                IDC_IV_SPD, IDC_IV_SPE, IDC_IV_SPC};

// The stats each generation shows, in the order they are written: the first
// two have one Special, the later ones Sp. Atk and Sp. Def.
static const int Gen12Stats[] = {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPE, STAT_SPC};
static const int Gen34Stats[] = {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPA, STAT_SPD, STAT_SPE};

static void ReadRow(HWND list, int row, Observation *observation)
{
    char text[4];
    ListView_GetItemText(list, row, LIST_COLUMN_LEVEL, text, sizeof text);
    observation->level = (uint8_t)ReadNumberText(text);
    for (int s = 0; s < STAT_SLOT_COUNT; s++) {
        ListView_GetItemText(list, row, LIST_COLUMN_FIRST_STAT + s, text, sizeof text);
        observation->stats[s] = (uint16_t)ReadNumberText(text);
        ListView_GetItemText(list, row, LIST_COLUMN_FIRST_EFFORT + s, text, sizeof text);
        observation->efforts[s] = (uint16_t)ReadNumberText(text);
    }
}

// Runs the calculator of CurrentMode; negative when a name is not in the data.
static int Calculate(IvResult *result, const char *species, const char *nature,
                     const Observation *observations, int count)
{
    switch (CurrentMode) {
    case IDM_MODE_RGBY:
        return CalcIvGen1(result, species, observations, count);
    case IDM_MODE_GSC:
        return CalcIvGen2(result, species, observations, count);
    default:
        return CalcIvGen34(result, species, nature, observations, count);
    }
}

static void ShowResult(HWND mainWindow, const IvResult *result)
{
    const bool gen12 = IsGen12Mode(CurrentMode);
    const int *stats = gen12 ? Gen12Stats : Gen34Stats;
    const int statCount = gen12 ? (int)(sizeof Gen12Stats / sizeof Gen12Stats[0])
                                : (int)(sizeof Gen34Stats / sizeof Gen34Stats[0]);
    for (int i = 0; i < statCount; i++) {
        const StatRange &range = result->ranges[stats[i]];
        if (!range.valid)
            continue;
        char text[16];
        if (range.min == range.max)
            wsprintfA(text, "%2u", (unsigned)range.min);
        else
            wsprintfA(text, "%2u～%2u", (unsigned)range.min, (unsigned)range.max);
        SetDlgItemTextA(mainWindow, StatFields[stats[i]], text);
    }
    if (result->determined) {
        char power[8];
        wsprintfA(power, "%2u", (unsigned)result->hiddenPower.power);
        SetDlgItemTextA(mainWindow, IDC_HP_TYPE, result->hiddenPower.typeName);
        SetDlgItemTextA(mainWindow, IDC_HP_POWER, power);
    }
}

void Recalculate(HWND mainWindow)
{
    HWND list = GetDlgItem(mainWindow, IDC_LIST);
    const int count = ListView_GetItemCount(list);

    for (int field : StatFields)
        SetDlgItemTextA(mainWindow, field, "");
    SetDlgItemTextA(mainWindow, IDC_HP_TYPE, "");
    SetDlgItemTextA(mainWindow, IDC_HP_POWER, "");
    if (count == 0)
        return;

    char species[SPECIES_NAME_BYTES + 1], nature[NATURE_NAME_BYTES + 1];
    const bool speciesFits =
        ReadNameBox(GetDlgItem(mainWindow, IDC_SPECIES), species, sizeof species);
    const bool natureFits = ReadNameBox(GetDlgItem(mainWindow, IDC_NATURE), nature, sizeof nature);
    // An empty species box would match one of the two unnamed placeholder
    // records of the table, which no mode lists: it is no species. Natures
    // only count from the third generation on.
    if (!speciesFits || species[0] == '\0' || (!natureFits && !IsGen12Mode(CurrentMode)))
        return;

    Observation *observations = (Observation *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY,
                                                         (SIZE_T)count * sizeof(Observation));
    if (observations == NULL) {
        MessageBoxA(mainWindow, "メモリを確保できませんでした", "Varendo", MB_OK | MB_ICONERROR);
        return;
    }
    for (int row = 0; row < count; row++)
        ReadRow(list, row, &observations[row]);

    IvResult result = {};
    const int status = Calculate(&result, species, nature, observations, count);
    HeapFree(GetProcessHeap(), 0, observations);
    if (status < 0)
        return;
    ShowResult(mainWindow, &result);
}
