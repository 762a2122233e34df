// Fuzz target: expansion of the game data blobs from any bytes of any size,
// then everything that reads the tables (look-up, sorting, roster, Deoxys).
#include <stdint.h>
#include <string.h>

#include "data/game_data.h"
#include "data/nature.h"
#include "data/roster.h"
#include "data/pokemon.h"

static void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The input as it is: whole, and cut in two at a place it chooses. Only
    // exact sizes may be taken.
    const bool whole = ExpandGameData(data, size, data, size);
    Check(!whole);
    const size_t cut = size == 0 ? 0 : (size_t)data[0] * size / 256;
    Check(ExpandGameData(data, cut, data + cut, size - cut) ==
          (cut == SPECIES_BLOB_SIZE && size - cut == NATURE_BLOB_SIZE));
    Check(ExpandSpeciesTable(data, size) == (size == SPECIES_BLOB_SIZE));
    Check(ExpandNatureTable(data, size) == (size == NATURE_BLOB_SIZE));
    if (size == 0)
        return 0;

    // Blobs of the right size filled from the input, so that every field,
    // name and base stat of the records can take any bytes.
    static unsigned char species[SPECIES_BLOB_SIZE], natures[NATURE_BLOB_SIZE];
    for (size_t i = 0; i < sizeof species; i++)
        species[i] = data[i % size];
    for (size_t i = 0; i < sizeof natures; i++)
        natures[i] = data[(i + 1) % size];
    Check(ExpandGameData(species, sizeof species, natures, sizeof natures));

    // A few records chosen by the input are found again by their names.
    for (int i = 0; i < 8; i++) {
        const int k = (data[i % size] * 257 + i * 61) % SPECIES_COUNT;
        Check(memchr(SpeciesTable[k].name, 0, sizeof SpeciesTable[k].name) != NULL);
        const int found = FindSpeciesByName(SpeciesTable[k].name);
        Check(found >= 0 && found <= k &&
              strcmp(SpeciesTable[found].name, SpeciesTable[k].name) == 0);
    }
    for (int k = 0; k < NATURE_COUNT; k++)
        Check(FindNatureByName(NatureTable[k].name) <= k);

    // One mode and order, as the mode and sort commands run them.
    static int listed[SPECIES_COUNT];
    const GameMode mode = IDM_MODE_RGBY + data[size - 1] % 7;
    const SortOrder order = IDM_SORT_KANA + data[size / 2] % 5;
    const int count = BuildRoster(mode, order, listed);
    Check(count >= 0 && count <= SPECIES_COUNT);
    for (int i = 0; i < count; i++) {
        Check(listed[i] >= 0 && listed[i] < SPECIES_COUNT);
        Check(i == 0 || listed[i] > listed[i - 1]);
    }
    // The name order is total: each record sorts no later than the next.
    for (int p = 0; order == IDM_SORT_KANA && p + 1 < SPECIES_COUNT; p++)
        Check(CompareByName(&SpeciesTable[p], &SpeciesTable[p + 1]) <= 0);
    Check(DeoxysIndex < SPECIES_COUNT);
    ApplyDeoxysForm(mode);
    return 0;
}
